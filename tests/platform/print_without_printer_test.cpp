// Printing on a desktop without a printer: the page a printer would have printed goes to a PDF
// file the user names, laid out as the printer page; cancelling writes nothing and says so.
#include <QDir>
#include <QPageSize>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <functional>

#include "TestSupport.h"
#include "app/AllForms.h"

namespace velomare::test {
namespace {

class PrintWithoutPrinter : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    settings->WriteSettings("[Options]\r\nAboutAtStart=0\r\n");
    StartProgram();
  }
};

TEST_F(PrintWithoutPrinter, ThePageGoesToTheNamedPdfFileOrNowhere) {
  struct Row {
    const char* name;
    QWidget* window;
    QPushButton* print;
  };
  const std::vector<Row> rows = {{"closed-box page", forms::closed, forms::closed->Button4},
                                 {"window image", forms::ventpass, forms::ventpass->Button4}};
  QTemporaryDir dir;
  seam.printerUsable = false;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ASSERT_TRUE(ShowAndActivate(row.window));
    // Cancelled: no file, and the user is told that nothing was printed.
    const auto files = [&dir] { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); };
    const QStringList before = files();
    seam.fileName = nullptr;
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
    const QString name = dir.filePath(row.window->objectName());
    seam.fileName = [name](const platform::FileDialogRequest&, bool) { return std::optional<QString>(name); };
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

}  // namespace
}  // namespace velomare::test
