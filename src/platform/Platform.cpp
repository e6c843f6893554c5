#include "platform/Platform.h"

#include <QApplication>
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
#include <memory>

#include "common/Settings.h"
#include "common/Version.h"

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

static void PrinterUnusable(QWidget* owner) {
  ShowMessage(owner, QString::fromUtf8(Lang("Der Drucker kann nicht benutzt werden.", "The printer cannot be used.")));
}

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
  if (gSeam) {
    gSeam->printed << window;
    // With a PDF named, the test gets the page the printer would have printed.
    if (!gSeam->printPdfPath.isEmpty()) {
      const QPixmap image = window->grab();
      PrintComposedPage(window, [&image](QPainter& painter, const PrintedPage& page) {
        QSize size = image.size();
        size.scale(page.width, page.height, Qt::KeepAspectRatio);
        painter.drawPixmap(QRect(QPoint(0, 0), size), image);
      });
    }
    return;
  }
  const QPixmap image = window->grab();
  QPrinter& printer = CurrentPrinter();
  QPainter painter;
  if (!painter.begin(&printer)) {
    PrinterUnusable(window);
    return;
  }
  const QRect page = painter.viewport();
  QSize size = image.size();
  size.scale(page.size(), Qt::KeepAspectRatio);
  painter.drawPixmap(QRect(page.topLeft(), size), image);
  painter.end();
}

namespace {

bool ComposeForSeam(QWidget* owner, const std::function<void(QPainter&, const PrintedPage&)>& compose) {
  if (!gSeam->printerUsable) {
    PrinterUnusable(owner);
    return false;
  }
  constexpr int kDpi = 600;
  const auto orientation = gSeam->printLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
  const QPageLayout layout(QPageSize(QPageSize::A4), orientation, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
  const QRect area = layout.paintRectPixels(kDpi);
  const PrintedPage page{area.width(), area.height(), gSeam->printLandscape, kDpi};
  QPainter painter;
  std::unique_ptr<QPdfWriter> pdf;
  QPicture picture;
  if (!gSeam->printPdfPath.isEmpty()) {
    pdf = std::make_unique<QPdfWriter>(gSeam->printPdfPath);
    pdf->setResolution(kDpi);
    pdf->setPageLayout(layout);
    if (!painter.begin(pdf.get())) {
      PrinterUnusable(owner);
      return false;
    }
  } else {
    picture.setBoundingRect(QRect(QPoint(0, 0), area.size()));
    painter.begin(&picture);
  }
  gSeam->composedPages << page;
  compose(painter, page);
  painter.end();
  return true;
}

}  // namespace

bool PrintComposedPage(QWidget* owner, const std::function<void(QPainter&, const PrintedPage&)>& compose) {
  if (gSeam) return ComposeForSeam(owner, compose);
  QPrinter& printer = CurrentPrinter();
  QPainter painter;
  if (!painter.begin(&printer)) {
    PrinterUnusable(owner);
    return false;
  }
  const QPageLayout layout = printer.pageLayout();
  const QRect area = layout.paintRectPixels(printer.resolution());
  compose(painter, PrintedPage{area.width(), area.height(), layout.orientation() == QPageLayout::Landscape,
                               printer.resolution()});
  painter.end();
  return true;
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
