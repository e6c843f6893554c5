#include "TestSupport.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTest>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>

#include "app/Startup.h"
#include "common/Settings.h"
#include "driver/model/CommittedDriver.h"
#include "driver/model/DisplacementCaller.h"
#include "enclosures/model/ComparisonStore.h"
#include "filters/model/FilterBranches.h"
#include "platform/FormBase.h"

namespace velomare::test {

TempSettingsFolder::TempSettingsFolder() : previous_(qgetenv("XDG_CONFIG_HOME")) {
  qputenv("XDG_CONFIG_HOME", dir_.path().toUtf8());
}

TempSettingsFolder::~TempSettingsFolder() {
  previous_.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", previous_);
}

std::string TempSettingsFolder::ReadSettings() const { return ReadFileBytes(SettingsPath()); }

void TempSettingsFolder::WriteSettings(const std::string& bytes) const {
  QDir().mkpath(QString::fromStdString(Root() + "/velomare"));
  WriteFileBytes(SettingsPath(), bytes);
}

bool ShowAndActivate(QWidget* window) {
  window->show();
  window->raise();
  window->activateWindow();
  const bool active = QTest::qWaitForWindowActive(window);
  QCoreApplication::processEvents();
  return active;
}

bool ReactivateAfter(QWidget* other, QWidget* window) {
  other->activateWindow();
  if (!QTest::qWaitForWindowActive(other)) return false;
  window->activateWindow();
  return QTest::qWaitForWindowActive(window);
}

void TypeInto(QLineEdit* edit, const QString& text) {
  edit->selectAll();
  const bool ascii = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 128; });
  if (text.isEmpty())
    QTest::keyClick(edit, Qt::Key_Delete);
  else if (ascii)
    QTest::keyClicks(edit, text);
  else
    edit->insert(text);
}

void ChooseItem(QComboBox* box, int index) {
  // What the list's popup does when the user picks an entry. The popup itself is not opened:
  // offscreen, a closed popup keeps the activation, and a later return to the window would fail.
  box->setCurrentIndex(index);
  emit box->activated(index);
  emit box->textActivated(box->itemText(index));
  QCoreApplication::processEvents();
}

std::vector<std::string> SplitCrLfLines(const std::string& bytes) {
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < bytes.size();) {
    const std::size_t end = std::min(bytes.find("\r\n", start), bytes.size());
    lines.push_back(bytes.substr(start, end - start) + (end == bytes.size() ? "<no CR LF>" : ""));
    start = end + 2;
  }
  return lines;
}

double LeadingNumber(std::string_view text) {
  const std::size_t start = text.find_first_not_of(" \t");
  std::string number(start == std::string_view::npos ? std::string_view() : text.substr(start));
  std::replace(number.begin(), number.end(), ',', '.');
  double value = 0;
  const bool read = std::from_chars(number.data(), number.data() + number.size(), value).ec == std::errc();
  return read ? value : std::nan("");
}

std::string ReadFileBytes(const std::string& path) {
  // Whole, not character by character: sweeps read thousands of files in the sanitizer build.
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  if (in) bytes << in.rdbuf();
  return std::move(bytes).str();
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

namespace {
// The first word of the capability sets: the permission-bit overrides live there.
constexpr unsigned kOverrides = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);
bool Capabilities(__user_cap_data_struct (&data)[2], bool set) {
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  return ::syscall(set ? SYS_capset : SYS_capget, &header, data) == 0;
}
}  // namespace

OrdinaryUser::OrdinaryUser() {
  __user_cap_data_struct data[2] = {};
  if (!Capabilities(data, false) || (data[0].effective & kOverrides) == 0) return;
  effective_ = data[0].effective;
  data[0].effective &= ~kOverrides;
  changed_ = Capabilities(data, true);
}

OrdinaryUser::~OrdinaryUser() {
  __user_cap_data_struct data[2] = {};
  if (!changed_ || !Capabilities(data, false)) return;
  data[0].effective = effective_;
  Capabilities(data, true);
}

namespace {

bool IsControl(const QWidget* w) {
  return !w->isWindow() && !w->objectName().isEmpty() && !w->objectName().startsWith("qt_");
}

// What a button shows: "&&" is an ampersand, a lone "&" marks the mnemonic and takes no room.
QString WithoutMnemonic(const QString& text) {
  QString shown;
  for (int i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;
    shown += text[i];
  }
  return shown;
}

int TextWidth(const QFontMetrics& metrics, const QString& text) {
  int widest = 0;
  for (const QString& line : text.split('\n')) widest = std::max(widest, metrics.horizontalAdvance(line));
  return widest;
}

// The room a control's text needs and the room it has, or nothing for controls without a text.
std::optional<std::pair<int, int>> TextRoom(const QWidget* w) {
  const QStyle* style = w->style();
  if (const auto* label = qobject_cast<const QLabel*>(w)) {
    if (label->wordWrap() || label->text().isEmpty() || label->textFormat() == Qt::RichText ||
        (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text())))
      return std::nullopt;
    const QString text = label->buddy() ? WithoutMnemonic(label->text()) : label->text();
    const int room = label->contentsRect().width() - 2 * label->margin() - std::max(0, label->indent());
    return std::make_pair(TextWidth(label->fontMetrics(), text), room);
  }
  if (const auto* group = qobject_cast<const QGroupBox*>(w)) {
    if (group->title().isEmpty()) return std::nullopt;
    int needed = TextWidth(group->fontMetrics(), WithoutMnemonic(group->title())) + 16;
    if (group->isCheckable()) needed += style->pixelMetric(QStyle::PM_IndicatorWidth) + 4;
    return std::make_pair(needed, group->width());
  }
  if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
    if (button->text().isEmpty()) return std::nullopt;
    int needed = TextWidth(button->fontMetrics(), WithoutMnemonic(button->text()));
    if (qobject_cast<const QCheckBox*>(w))
      needed += style->pixelMetric(QStyle::PM_IndicatorWidth) + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    else if (qobject_cast<const QRadioButton*>(w))
      needed += style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
    else
      needed += (button->icon().isNull() ? 0 : button->iconSize().width() + 4) + 2 * 3;  // a little frame
    return std::make_pair(needed, button->width());
  }
  return std::nullopt;
}

QString Rect(const QRect& r) { return QString("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()); }

void CheckChildren(QWidget* window, QWidget* parent, const QString& where, QStringList& problems) {
  std::vector<QWidget*> controls;
  for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (child->isWindow() || !child->isVisibleTo(window)) continue;
    if (!IsControl(child)) {
      CheckChildren(window, child, where, problems);
      continue;
    }
    controls.push_back(child);
    const QString name = child->objectName();
    const QString inside = parent == window ? QStringLiteral("the client area") : parent->objectName();
    if (!parent->rect().contains(child->geometry()))
      problems << QString("%1: %2 %3 lies outside %4 %5").arg(where, name, Rect(child->geometry()), inside,
                                                              Rect(parent->rect()));
    if (const auto room = TextRoom(child); room && room->first > room->second)
      problems << QString("%1: the text of %2 needs %3 px but has %4 px").arg(where, name).arg(room->first).arg(room->second);
    CheckChildren(window, child, where, problems);
  }
  for (std::size_t i = 0; i < controls.size(); ++i)
    for (std::size_t k = i + 1; k < controls.size(); ++k) {
      const QWidget *a = controls[i], *b = controls[k];
      if (a->geometry().intersects(b->geometry()) && !FormBase::OverlapsOnPurpose(a, b))
        problems << QString("%1: %2 %3 overlaps %4 %5").arg(where, a->objectName(), Rect(a->geometry()),
                                                            b->objectName(), Rect(b->geometry()));
    }
}

}  // namespace

QStringList LayoutProblems(QWidget* window, const QString& language) {
  QStringList problems;
  CheckChildren(window, window, QString("window %1 (%2)").arg(window->objectName(), language), problems);
  return problems;
}

void ProgramTest::SetUp() {
  settings = std::make_unique<TempSettingsFolder>();
  ResetCommittedDriver();
  ResetProgramSettings();
  DisplacementCaller = 0;
  ResetComparisonStore();
  ResetFilterBranches();
  platform::InstallSeam(&seam);
}

void ProgramTest::TearDown() {
  if (started) DestroyForms();
  started = false;
  QCoreApplication::processEvents();
  platform::InstallSeam(nullptr);
  settings.reset();
}

void ProgramTest::StartProgram() { CreateForms(); started = true; }

::testing::AssertionResult StoredLevelsAre(int slot, const std::function<double(int)>& levelAt, double tolerance) {
  const ComparisonCurve& curve = ComparisonCurveOf(slot);
  ::testing::AssertionResult result = ::testing::AssertionSuccess();
  if (curve[0] != 1.0) result = ::testing::AssertionFailure() << "slot " << slot << " is not marked filled; ";
  int differing = 0;
  for (int f = 1; f <= kComparisonLevelCount; ++f) {
    const double stored = curve[static_cast<std::size_t>(f)], expected = levelAt(f);
    if (std::abs(stored - expected) <= tolerance) continue;
    if (result) result = ::testing::AssertionFailure();
    if (++differing <= 5) result << f << " Hz holds " << stored << " dB, not " << expected << "; ";
  }
  if (differing > 5) result << "and " << differing - 5 << " more levels differ";
  return result;
}

void Repaint(QWidget* window) {
  window->grab();
  QCoreApplication::processEvents();
}

bool ShowsNonFinite(const std::string& text) {
  static const QRegularExpression pattern("\\b(nan|inf)\\b", QRegularExpression::CaseInsensitiveOption);
  return pattern.match(QString::fromStdString(text)).hasMatch();
}

void ExpectNoNonFiniteTexts(QWidget* window) {
  QStringList texts{window->windowTitle()};
  for (QLabel* l : window->findChildren<QLabel*>()) texts << l->text();
  for (QLineEdit* e : window->findChildren<QLineEdit*>()) texts << e->text();
  for (const QString& t : texts) EXPECT_FALSE(ShowsNonFinite(t.toStdString())) << t.toStdString();
}

void ClickButton(QWidget* window, const QString& name) {
  auto* button = window->findChild<QAbstractButton*>(name);
  ASSERT_NE(button, nullptr) << name.toStdString();
  QTest::mouseClick(button, Qt::LeftButton);
  QCoreApplication::processEvents();
}

void MoveMouse(QWidget* window, QPoint at, Qt::MouseButtons held) {
  QMouseEvent move(QEvent::MouseMove, QPointF(at), window->mapToGlobal(QPointF(at)), Qt::NoButton, held,
                   Qt::NoModifier);
  QCoreApplication::sendEvent(window, &move);
}

QList<QPoint> PointsInside(const QWidget* control) {
  const QRect r = control->rect().adjusted(1, 1, -1, -1);
  const QPoint c = r.center();
  return {r.topLeft(),           QPoint(c.x(), r.top()),    r.topRight(), QPoint(r.right(), c.y()), r.bottomRight(),
          QPoint(c.x(), r.bottom()), r.bottomLeft(), QPoint(r.left(), c.y()), c};
}

std::optional<QPoint> EmptySpot(const QWidget* parent) {
  for (int y = 2; y < parent->height() - 2; y += 4)
    for (int x = 2; x < parent->width() - 2; x += 4)
      if (!parent->childAt(x, y)) return QPoint(x, y);
  return std::nullopt;
}

int CountPixels(QWidget* window, QColor colour, int fromRow) {
  const QImage image = window->grab().toImage();
  int count = 0;
  for (int y = std::max(0, fromRow); y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) count += image.pixelColor(x, y) == colour;
  return count;
}

void ResizeOuter(QWidget* window, QSize outer) {
  window->resize(outer - (window->frameGeometry().size() - window->size()));
  QCoreApplication::processEvents();
}

void SavePicture(QWidget* window, const QString& name) {
  static QTemporaryDir temporary;
  QString folder = qEnvironmentVariable("VELOMARE_SCREENSHOTS");
  if (folder.isEmpty()) folder = temporary.path();
  QDir().mkpath(folder);
  const QString path = QString("%1/%2.png").arg(folder, name);
  ASSERT_TRUE(window->grab().save(path)) << path.toStdString();
  const QImage image(path);
  ASSERT_FALSE(image.isNull()) << path.toStdString();
  EXPECT_EQ(image.size(), window->size()) << name.toStdString();
  EXPECT_GT(QFileInfo(path).size(), 0) << name.toStdString();
}

}  // namespace velomare::test
