#pragma once
// The stand-ins for the Windows services the windows use: message boxes, file dialogs, printing,
// help, the shell and HTTP. Each call goes through one seam: when a test has installed a Seam,
// the seam answers and nothing blocks; otherwise Qt's own dialogs and services are used.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QPaintDevice;
class QPainter;
class QWidget;

namespace velomare::platform {

enum class Answer { Yes, No, Ok };

// A confirmation with the buttons Yes and No; closing the box counts as No.
Answer AskYesNo(QWidget* owner, const QString& text);
// A message with an OK button.
void ShowMessage(QWidget* owner, const QString& text);

struct FileDialogRequest {
  QString title;
  QString filter;       // Qt filter text, e.g. "Velomar-Datei (*.vmx)"
  QString defaultName;  // file name (or path) proposed to the user
  bool mustExist = false;
  // Without a dot, e.g. "spe": added to a chosen name that has no extension (for an open
  // dialog only when no file of the name as typed exists).
  QString defaultExtension;
};
// The chosen name with the request's default extension where the rule above adds it.
QString WithDefaultExtension(const QString& chosen, const FileDialogRequest& request, bool save);
std::optional<QString> GetOpenFileName(QWidget* owner, const FileDialogRequest& request);
// No overwrite question: the callers ask their own.
std::optional<QString> GetSaveFileName(QWidget* owner, const FileDialogRequest& request);

// The printer set-up dialog on the program's current printer; true when the user accepted.
bool PrinterSetup(QWidget* owner);
// Prints the window's client area as an image on the current printer, through PrintComposedPage.
void PrintWindowImage(QWidget* window);

// A page composed by the program itself: its printable area in printer pixels, the orientation
// the printer is set to, and the printer's resolution (for line widths that stay visible).
struct PrintedPage {
  int width = 0;
  int height = 0;
  bool landscape = false;
  int dotsPerInch = 0;
};
// Begins a document on the current printer, hands `compose` a painter on its one page and ends
// the document, which sends the page to the printer. When no printer can be used (a desktop
// without one), the same page, laid out as the printer page, goes to a PDF file the user names in
// the file dialog (the window's title proposed). False, after a message that nothing was printed,
// when that is cancelled or fails too.
bool PrintComposedPage(QWidget* owner, const std::function<void(QPainter&, const PrintedPage&)>& compose);

enum class HelpCommand { Topic, Contents, PartialKeySearch, HelpOnHelp };
// A help request on the help file (named without a folder) at a topic.
void Help(QWidget* owner, const QString& helpFile, HelpCommand command, const QString& topic = QString());

// Opens a web address or a "mailto:" link with the desktop's handler.
void ShellOpen(QWidget* owner, const QString& target);

struct HttpResult {
  bool ok = false;        // a 2xx answer arrived in time
  int status = 0;         // HTTP status code, 0 when none arrived
  QByteArray body;        // at most the byte limit of the request
  QString error;          // why it failed
};
// An HTTP GET that never blocks: `done` runs on the UI thread when the answer, an error or the
// time-out has come. The body is cut to maxBytes.
void HttpGet(const QString& url, int timeoutMs, qint64 maxBytes, std::function<void(const HttpResult&)> done);

// What a test puts in place of a person and of the system. Every call is logged.
struct Seam {
  std::function<Answer(const QString& text)> answer;  // AskYesNo; default Yes
  std::function<std::optional<QString>(const FileDialogRequest&, bool save)> fileName;  // default cancel
  bool printerSetupAccepted = true;
  std::function<HttpResult(const QString& url)> http;  // default: no answer
  // Used when `http` is not set: the request goes out over the network to the address this
  // returns, so that a test's loopback server stands in for a remote one (a slow one, say).
  std::function<QString(const QString& url)> httpRoute;

  QStringList questions;  // texts of AskYesNo
  QStringList messages;   // texts of ShowMessage
  QList<FileDialogRequest> fileDialogs;
  int printerSetups = 0;
  QList<QWidget*> printed;
  // The printer's page is A4 at `printResolution` dpi in the orientation below. Composed pages and printed
  // window images are drawn into the PDF file `printPdfPath` when it is set, else into a
  // recording that is thrown away; `printerUsable` false stands for a desktop without a printer.
  QString printPdfPath;
  // When set (and the printer is usable), composed pages are drawn on this device instead: a
  // test's page that records what is drawn, or an image to look at. It must have the printer's
  // resolution; the page's size is the A4 page's as `composedPages` tells it.
  QPaintDevice* printDevice = nullptr;
  bool printLandscape = false;
  int printResolution = 600;
  bool printerUsable = true;
  QList<PrintedPage> composedPages;
  struct HelpRequest {
    QString file;
    HelpCommand command;
    QString topic;
  };
  QList<HelpRequest> helpRequests;
  QStringList opened;  // ShellOpen targets
  QStringList httpRequests;
};

// The installed seam, or nullptr when the real dialogs are used.
Seam* CurrentSeam();
void InstallSeam(Seam* seam);

}  // namespace velomare::platform
