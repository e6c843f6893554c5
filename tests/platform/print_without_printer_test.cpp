// Printing on a desktop without a printer: the page a printer would have printed goes to a PDF
// file the user names, laid out as the printer page; cancelling writes nothing and says so.
#include <QDir>
#include <QPageSize>
#include <QPushButton>
#include <QRegularExpression>

#include "WindowTest.h"
#include "app/AllForms.h"

namespace velomare::test {
namespace {

class PrintWithoutPrinter : public WindowsTest {};

TEST_F(PrintWithoutPrinter, ThePageGoesToTheNamedPdfFileOrNowhere) {
  const struct {
    const char* name;
    QWidget* window;
    QPushButton* print;
  } rows[] = {{"closed-box page", forms::closed, forms::closed->Button4},
              {"window image", forms::ventpass, forms::ventpass->Button4}};
  seam.printerUsable = false;
  const auto files = [this] { return QDir(temp.path()).entryList(QDir::Files | QDir::Hidden); };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    ASSERT_TRUE(ShowAndActivate(row.window));
    // Cancelled: no file, and the user is told that nothing was printed.
    const QStringList before = files();
    FileDialogAnswers();
    seam.fileDialogs.clear();
    seam.messages.clear();
    row.print->click();
    ASSERT_EQ(seam.fileDialogs.size(), 1);
    EXPECT_EQ(seam.fileDialogs[0].defaultName, row.window->windowTitle());
    EXPECT_EQ(seam.fileDialogs[0].defaultExtension, "pdf");
    EXPECT_TRUE(seam.fileDialogs[0].filter.contains("*.pdf"));
    EXPECT_EQ(seam.messages, QStringList{"Der Drucker kann nicht benutzt werden. Es wurde nichts gedruckt."});
    EXPECT_EQ(files(), before);

    // Named without an extension: "pdf" is added, and the file holds the one page.
    const QString name = TempPath(row.window->objectName());
    FileDialogAnswers(name);
    seam.messages.clear();
    row.print->click();
    EXPECT_TRUE(seam.messages.isEmpty());
    EXPECT_EQ(files(), before + QStringList{row.window->objectName() + ".pdf"});
    const QByteArray pdf = QByteArray::fromStdString(ReadFileBytes((name + ".pdf").toStdString()));
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(pdf.count("/Type /Page\n"), 1);
    // The printer's page: A4 portrait, 595 x 842 points.
    const QRegularExpressionMatch box = QRegularExpression(R"(/MediaBox \[0 0 ([\d.]+) ([\d.]+)\])").match(pdf);
    ASSERT_TRUE(box.hasMatch()) << pdf.left(2000).toStdString();
    const QSize a4 = QPageSize(QPageSize::A4).sizePoints();
    EXPECT_NEAR(box.captured(1).toDouble(), a4.width(), 1);
    EXPECT_NEAR(box.captured(2).toDouble(), a4.height(), 1);
  }
}

TEST_F(PrintWithoutPrinter, APdfFileThatCannotBeWrittenSaysSoAndNotThatThePrinterFailed) {
  seam.printerUsable = false;
  ASSERT_TRUE(ShowAndActivate(forms::ventpass));
  const QString path = TempPath("no/such/folder/page.pdf");
  for (const auto& [language, message] :
       {std::pair{"deutsch", " konnte nicht geschrieben werden. Bitte einen anderen Ordner oder Namen wählen."},
        {"english", " could not be written. Please choose another folder or name."}}) {
    SetLanguage(language);
    FileDialogAnswers(path);
    seam.messages.clear();
    forms::ventpass->Button4->click();
    const QString file = QString::fromUtf8(std::string(language) == "english" ? "The file " : "Die Datei ");
    EXPECT_EQ(seam.messages, QStringList{file + path + QString::fromUtf8(message)});
  }
  EXPECT_FALSE(QDir(temp.path()).exists("no"));
}

}  // namespace
}  // namespace velomare::test
