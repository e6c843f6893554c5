#include "platform/Platform.h"

#include <QApplication>
#include <QBuffer>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPainter>
#include <QPageSetupDialog>
#include <QPdfWriter>
#include <QPicture>
#include <QPrinter>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include "common/FileTexts.h"
#include "common/Settings.h"
#include "common/Version.h"
#include "platform/plain/IniFile.h"

namespace velomare::platform {
namespace {

Seam* gSeam = nullptr;

QPrinter& CurrentPrinter() {
  static QPrinter printer(QPrinter::HighResolution);
  return printer;
}

// Where a help file would be looked for: beside the program, then in the shared data folder.
QString FindHelpFile(const QString& name) {
  const QStringList folders = {QCoreApplication::applicationDirPath(),
                               QCoreApplication::applicationDirPath() + "/../share/velomare",
                               "/usr/share/velomare"};
  for (const QString& folder : folders) {
    const QString path = QDir(folder).filePath(name);
    if (QFileInfo::exists(path)) return path;
  }
  return {};
}

}  // namespace

Seam* CurrentSeam() { return gSeam; }
void InstallSeam(Seam* seam) { gSeam = seam; }

Answer AskYesNo(QWidget* owner, const QString& text) {
  if (gSeam) {
    gSeam->questions << text;
    return gSeam->answer ? gSeam->answer(text) : Answer::Yes;
  }
  const auto button = QMessageBox::question(owner, QString::fromUtf8(kProgramTitle), text,
                                            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
  return button == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

void ShowMessage(QWidget* owner, const QString& text) {
  if (gSeam) {
    gSeam->messages << text;
    return;
  }
  QMessageBox::information(owner, QString::fromUtf8(kProgramTitle), text);
}

QString WithDefaultExtension(const QString& chosen, const FileDialogRequest& request, bool save) {
  if (chosen.isEmpty() || request.defaultExtension.isEmpty()) return chosen;
  const QFileInfo info(chosen);
  if (!info.suffix().isEmpty() || info.fileName().isEmpty()) return chosen;
  if (!save && info.exists()) return chosen;
  return chosen + '.' + request.defaultExtension;
}

namespace {

std::optional<QString> Chosen(const std::optional<QString>& name, const FileDialogRequest& request, bool save) {
  if (!name || name->isEmpty()) return std::nullopt;
  return WithDefaultExtension(*name, request, save);
}

}  // namespace

std::optional<QString> GetOpenFileName(QWidget* owner, const FileDialogRequest& request) {
  if (gSeam) {
    gSeam->fileDialogs << request;
    return Chosen(gSeam->fileName ? gSeam->fileName(request, false) : std::nullopt, request, false);
  }
  QFileDialog::Options options;
  const QString name = QFileDialog::getOpenFileName(owner, request.title, request.defaultName, request.filter,
                                                    nullptr, options);
  return Chosen(name, request, false);
}

std::optional<QString> GetSaveFileName(QWidget* owner, const FileDialogRequest& request) {
  if (gSeam) {
    gSeam->fileDialogs << request;
    return Chosen(gSeam->fileName ? gSeam->fileName(request, true) : std::nullopt, request, true);
  }
  const QString name = QFileDialog::getSaveFileName(owner, request.title, request.defaultName, request.filter,
                                                    nullptr, QFileDialog::DontConfirmOverwrite);
  return Chosen(name, request, true);
}

bool PrinterSetup(QWidget* owner) {
  if (gSeam) {
    ++gSeam->printerSetups;
    return gSeam->printerSetupAccepted;
  }
  QPageSetupDialog dialog(&CurrentPrinter(), owner);
  return dialog.exec() == QDialog::Accepted;
}

void PrintWindowImage(QWidget* window) {
  if (!window) return;
  if (gSeam) gSeam->printed << window;
  const QPixmap image = window->grab();
  PrintComposedPage(window, [&image](QPainter& painter, const PrintedPage& page) {
    QSize size = image.size();
    size.scale(page.width, page.height, Qt::KeepAspectRatio);
    painter.drawPixmap(QRect(QPoint(0, 0), size), image);
  });
}

namespace {

using Compose = std::function<void(QPainter&, const PrintedPage&)>;

void NothingPrinted(QWidget* owner) {
  ShowMessage(owner, QString::fromUtf8(Lang("Der Drucker kann nicht benutzt werden. Es wurde nichts gedruckt.",
                                            "The printer cannot be used. Nothing was printed.")));
}

// Draws the one page on a printer or a PDF writer laid out as `layout` at `dpi`.
bool ComposeOn(QPaintDevice* device, const QPageLayout& layout, int dpi, const Compose& compose) {
  QPainter painter;
  if (!painter.begin(device)) return false;
  const QRect area = layout.paintRectPixels(dpi);
  const PrintedPage page{area.width(), area.height(), layout.orientation() == QPageLayout::Landscape, dpi};
  if (gSeam) gSeam->composedPages << page;
  compose(painter, page);
  return painter.end();
}

// Without a printer the system's stand-in is a PDF file: the same page, laid out as the printer
// page, goes to a file the user names, written whole or not at all.
bool PrintToPdf(QWidget* owner, const QPageLayout& layout, int dpi, const Compose& compose) {
  FileDialogRequest request;
  request.title = QString::fromUtf8(Lang("Als PDF-Datei drucken", "Print to a PDF file"));
  request.filter = QStringLiteral("PDF (*.pdf)");
  request.defaultExtension = QStringLiteral("pdf");
  if (const QWidget* window = owner ? owner->window() : nullptr)
    request.defaultName = window->windowTitle().isEmpty() ? window->objectName() : window->windowTitle();
  request.defaultName.replace('/', '_');  // a slash would propose a folder
  const std::optional<QString> chosen = GetSaveFileName(owner, request);
  const auto replaceQuestion = [&chosen] {
    return QString::fromStdString(file_text::ReplaceQuestion(chosen->toStdString(), IsEnglish()));
  };
  if (chosen && (!QFileInfo::exists(*chosen) || AskYesNo(owner, replaceQuestion()) == Answer::Yes)) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    bool composed = false;
    {
      QPdfWriter pdf(&buffer);
      pdf.setResolution(dpi);
      pdf.setPageLayout(layout);
      composed = ComposeOn(&pdf, layout, dpi, compose);
    }
    const std::string_view bytes(buffer.data().constData(), static_cast<std::size_t>(buffer.size()));
    if (composed && WriteFileAtomically(chosen->toStdString(), bytes)) return true;
    if (composed) {
      // The page was there; the file was not: a printer has nothing to do with it.
      ShowMessage(owner, QString::fromStdString(file_text::WriteFailed(chosen->toStdString(), IsEnglish())));
      return false;
    }
  }
  NothingPrinted(owner);
  return false;
}

// The test's printer: an A4 page, drawn into the PDF file it names, on its device or into a recording.
bool ComposeForSeam(QWidget* owner, const Compose& compose) {
  const int dpi = gSeam->printResolution;
  const auto orientation = gSeam->printLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
  const QPageLayout layout(QPageSize(QPageSize::A4), orientation, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
  if (!gSeam->printerUsable) return PrintToPdf(owner, layout, dpi, compose);
  if (gSeam->printDevice) return ComposeOn(gSeam->printDevice, layout, dpi, compose);
  if (gSeam->printPdfPath.isEmpty()) {
    QPicture picture;
    picture.setBoundingRect(QRect(QPoint(0, 0), layout.paintRectPixels(dpi).size()));
    return ComposeOn(&picture, layout, dpi, compose);
  }
  QPdfWriter pdf(gSeam->printPdfPath);
  pdf.setResolution(dpi);
  pdf.setPageLayout(layout);
  if (ComposeOn(&pdf, layout, dpi, compose)) return true;
  NothingPrinted(owner);
  return false;
}

}  // namespace

bool PrintComposedPage(QWidget* owner, const std::function<void(QPainter&, const PrintedPage&)>& compose) {
  if (gSeam) return ComposeForSeam(owner, compose);
  QPrinter& printer = CurrentPrinter();
  // Without a printer Qt falls back to its own PDF output, which has no file to go to yet.
  if (printer.outputFormat() == QPrinter::NativeFormat &&
      ComposeOn(&printer, printer.pageLayout(), printer.resolution(), compose))
    return true;
  return PrintToPdf(owner, printer.pageLayout(), printer.resolution(), compose);
}

void Help(QWidget* owner, const QString& helpFile, HelpCommand command, const QString& topic) {
  // The request is logged, then handled as usual: tests see the message about a missing file.
  if (gSeam) gSeam->helpRequests << Seam::HelpRequest{helpFile, command, topic};
  const QString path = FindHelpFile(helpFile);
  if (!path.isEmpty()) {
    if (gSeam) return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    return;
  }
  QString what;
  switch (command) {
    case HelpCommand::Topic: what = topic; break;
    case HelpCommand::Contents: what = QString::fromUtf8(Lang("Inhalt", "contents")); break;
    case HelpCommand::PartialKeySearch: what = QString::fromUtf8(Lang("Suchen", "search")); break;
    case HelpCommand::HelpOnHelp: what = QString::fromUtf8(Lang("Hilfe benutzen", "how to use help")); break;
  }
  ShowMessage(owner, QString::fromUtf8(Lang("Die Hilfedatei %1 fehlt; die Hilfe zu \"%2\" kann nicht angezeigt werden.",
                                            "The help file %1 is missing, so the help on \"%2\" cannot be shown."))
                         .arg(helpFile, what));
}

void ShellOpen(QWidget*, const QString& target) {
  if (gSeam) {
    gSeam->opened << target;
    return;
  }
  QDesktopServices::openUrl(QUrl(target));
}

void HttpGet(const QString& url, int timeoutMs, qint64 maxBytes, std::function<void(const HttpResult&)> done) {
  QString target = url;
  if (gSeam && !gSeam->http && gSeam->httpRoute) {
    gSeam->httpRequests << url;
    target = gSeam->httpRoute(url);
  } else if (gSeam) {
    gSeam->httpRequests << url;
    HttpResult result = gSeam->http ? gSeam->http(url) : HttpResult{false, 0, {}, "no answer"};
    if (result.body.size() > maxBytes) result.body.truncate(static_cast<int>(maxBytes));
    QTimer::singleShot(0, qApp, [done, result] { done(result); });
    return;
  }
  static QNetworkAccessManager* manager = new QNetworkAccessManager(qApp);
  QNetworkRequest request{QUrl(target)};
  request.setTransferTimeout(timeoutMs);
  QNetworkReply* reply = manager->get(request);
  auto body = std::make_shared<QByteArray>();
  auto finished = std::make_shared<bool>(false);
  // The transfer time-out restarts with every byte; this bounds the whole request.
  auto timedOut = std::make_shared<bool>(false);
  QTimer::singleShot(timeoutMs, reply, [reply, timedOut] {
    *timedOut = true;
    reply->abort();
  });
  QObject::connect(reply, &QNetworkReply::readyRead, reply, [reply, body, maxBytes] {
    body->append(reply->read(maxBytes - body->size()));
    if (body->size() >= maxBytes) reply->abort();
  });
  QObject::connect(reply, &QNetworkReply::finished, reply, [reply, body, finished, timedOut, maxBytes, done] {
    if (*finished) return;
    *finished = true;
    if (body->size() < maxBytes) body->append(reply->read(maxBytes - body->size()));
    HttpResult result;
    result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool cutByLimit = body->size() >= maxBytes;
    result.ok = (reply->error() == QNetworkReply::NoError || cutByLimit) && result.status >= 200 && result.status < 300;
    result.body = *body;
    if (!result.ok) result.error = *timedOut ? QStringLiteral("timed out") : reply->errorString();
    reply->deleteLater();
    done(result);
  });
}

}  // namespace velomare::platform
