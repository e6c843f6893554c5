// Every list of every window holds the items it is designed with, in order and spelled exactly, in
// both languages; what a list takes from data (the user spectrum's name, the spectrum levels)
// follows that data. One table names every list; a list that a window creates without a row here
// (a new one, or one renamed) fails the test too.
#include <QAbstractItemView>
#include <QComboBox>
#include <QHeaderView>
#include <QTableWidget>
#include <algorithm>
#include <functional>
#include <optional>

#include "WindowTest.h"
#include "app/AllForms.h"
#include "common/Settings.h"

namespace velomare::test {
namespace {

using ListItems = WindowsTest;

struct ListRow {
  QWidget* window;
  const char* control;  // object name
  // German items; for a grid one column: its head, then its cells from the top.
  QStringList german;
  // English items where they differ from the German ones.
  std::optional<QStringList> english = std::nullopt;
  // What the list's field shows on opening, German and English (a grid has no field).
  std::optional<std::pair<QString, QString>> shown = std::nullopt;
  // A grid's column; -1 for a combo box.
  int column = -1;
  // For items taken from data: what the data is, and how it is put where the window reads it.
  const char* filledBy = nullptr;
  std::function<void()> fill = {};
};

QStringList Counts(int last) {
  QStringList items;
  for (int n = 1; n <= last; ++n) items << QString::number(n);
  return items;
}

QStringList U(std::initializer_list<const char*> texts) {
  QStringList items;
  for (const char* t : texts) items << QString::fromUtf8(t);
  return items;
}

std::pair<QString, QString> Same(const char* text) { return {QString::fromUtf8(text), QString::fromUtf8(text)}; }

QString Where(const QWidget* window, const QString& control) { return window->objectName() + "." + control; }

// The items a list holds now, in the shape of its table row.
QStringList ItemsOf(QWidget* control, int column) {
  QStringList items;
  if (auto* box = qobject_cast<QComboBox*>(control)) {
    for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
  } else if (auto* grid = qobject_cast<QTableWidget*>(control)) {
    const QTableWidgetItem* head = grid->horizontalHeaderItem(column);
    items << (head ? head->text() : QString());
    for (int r = 0; r < grid->rowCount(); ++r) {
      const QTableWidgetItem* cell = grid->item(r, column);
      items << (cell ? cell->text() : QString());
    }
  }
  return items;
}

// The item lists a window holds: combo boxes and item views, but not the views a combo box or
// a grid keeps inside itself (popup list, headers).
QList<QWidget*> ListsOf(QWidget* window) {
  QList<QWidget*> lists;
  for (QComboBox* box : window->findChildren<QComboBox*>()) lists << box;
  for (QAbstractItemView* view : window->findChildren<QAbstractItemView*>()) {
    bool inner = qobject_cast<QHeaderView*>(view) != nullptr;
    for (QObject* up = view->parent(); up && up != window && !inner; up = up->parent())
      inner = qobject_cast<QComboBox*>(up) || qobject_cast<QAbstractItemView*>(up);
    if (!inner) lists << view;
  }
  return lists;
}

TEST_F(ListItems, EveryListHoldsItsDesignedItemsInBothLanguages) {
  const QStringList exportItems = {"# 1", "# 2", "# 3", "# 4", "file"};
  const QStringList bandLabels = {"32 Hz",  "45 Hz",    "64 Hz",  "90 Hz",    "125 Hz", "180 Hz",  "250 Hz", "360 Hz",
                                  "500 Hz", "710 Hz",   "1 kHz",  "1.4 kHz",  "2 kHz",  "2.8 kHz", "4 kHz",  "5.6 kHz",
                                  "8 kHz",  "11.2 kHz", "16 kHz", "22.5 kHz", "32 kHz", "45 kHz",  "64 kHz", "90 kHz"};
  const QStringList danceLevels = {"-6",  "0",   "-2",  "-4",  "-6",   "-10",  "-9",   "-12",
                                   "-15", "-18", "-12", "-14", "-12",  "-10",  "-8",   "-6",
                                   "-24", "-30", "-40", "-60", "-100", "-100", "-100", "-100"};
  QStringList savedLevels = danceLevels;
  savedLevels[12] = "-3,5";  // the 2 kHz band, as a user typed it
  const QStringList spectraGerman =
      U({"weißes Rauschen 20kHz", "weißes Rauschen mit Oberwellen", "Musik-ähnlich 20kHz",
         "Musik-ähnlich 100kHz (Vorgabe)", "rosa Rauschen 20kHz", "rosa Rauschen 100kHz"});
  const QStringList spectraEnglish = {"white noise 20kHz",           "white noise and harmonics", "music-like 20kHz",
                                      "music-like 100kHz (default)", "pink noise 20kHz",          "pink noise 100kHz"};
  const auto saveSpectrumName = [] { OpenSettings().WriteString("spectrum", "Name", "Party 2"); };
  const auto saveSpectrumLevel = [] { OpenSettings().WriteString("spectrum", "2k", "-3,5"); };

  const std::vector<ListRow> rows = {
      {.window = forms::closed, .control = "ComboBox1", .german = Counts(8), .shown = Same("1")},
      {.window = forms::closed, .control = "exportbox", .german = exportItems, .shown = Same("export")},
      {.window = forms::Reflex, .control = "Box1", .german = Counts(8), .shown = Same("1")},
      {.window = forms::Reflex, .control = "ComboBox1", .german = Counts(8), .shown = Same("1")},
      {.window = forms::Reflex, .control = "exportbox", .german = exportItems, .shown = Same("export")},
      {.window = forms::Reflex,
       .control = "abstimm",
       .german = {"Tip", "QB3 / SQB3", "BB4 / SBB4", "C4 / SC4", "B4 (Qts=0.4)", "IE4 (Qts=0.35)", "BE4 (Qts=0.33)"},
       .shown = std::pair<QString, QString>{"Abstimmung", "setup"}},
      {.window = forms::bandkiste, .control = "exportbox", .german = exportItems, .shown = Same("export")},
      {.window = forms::ventpass, .control = "ComboBox1", .german = {"BR1-2-2", "cBP1", "cBP2"}, .shown = Same("Tip")},
      {.window = forms::ventpass, .control = "exportbox", .german = exportItems, .shown = Same("export")},
      {.window = forms::offen, .control = "exportbox", .german = exportItems, .shown = Same("export")},
      {.window = forms::ResultCompare,
       .control = "ComboBox1",
       .german = {"#1", "#2", "#3", "#4"},
       .shown = Same("import")},
      {.window = forms::BP,
       .control = "ComboBox1",
       .german = {"2x6dB (Butterworth)", "2x12dB (Linkwitz)", "2x12dB (Bessel)", "2x12dB (Butterworth)"},
       .shown = Same("2x12dB (Butterworth)")},
      // Entries 0 to 5 are the built-in spectra, entry 6 the user spectrum's name.
      {.window = forms::Dampfform,
       .control = "ComboBox1",
       .german = spectraGerman + QStringList{"Dance"},
       .english = spectraEnglish + QStringList{"Dance"},
       .shown = std::pair<QString, QString>{spectraGerman[3], spectraEnglish[3]},
       .filledBy = "entry 6: the name in the section \"spectrum\", \"Dance\" without one"},
      {.window = forms::Dampfform,
       .control = "ComboBox1",
       .german = spectraGerman + QStringList{"Party 2"},
       .english = spectraEnglish + QStringList{"Party 2"},
       .filledBy = "entry 6: a saved spectrum name",
       .fill = saveSpectrumName},
      {.window = forms::options,
       .control = "StringGrid1",
       .german = QStringList{"Frequenz"} + bandLabels,
       .english = QStringList{"frequency"} + bandLabels,
       .column = 0},
      {.window = forms::options,
       .control = "StringGrid1",
       .german = QStringList{"dB"} + danceLevels,
       .column = 1,
       .filledBy = "the levels of the section \"spectrum\", those of \"Dance\" without one"},
      {.window = forms::options,
       .control = "StringGrid1",
       .german = QStringList{"dB"} + savedLevels,
       .column = 1,
       .filledBy = "a saved level, kept as typed",
       .fill = saveSpectrumLevel},
  };

  // Every list the windows create has a row: a grid one per column.
  int lists = 0;
  for (QWidget* window : forms::All()) {
    for (QWidget* list : ListsOf(window)) {
      ++lists;
      const auto* grid = qobject_cast<QTableWidget*>(list);
      const int first = grid ? 0 : -1, last = grid ? grid->columnCount() - 1 : -1;
      for (int column = first; column <= last; ++column) {
        const bool listed = std::any_of(rows.begin(), rows.end(), [&](const ListRow& row) {
          return row.window == window && list->objectName() == row.control && row.column == column;
        });
        EXPECT_TRUE(listed) << "no row for " << Where(window, list->objectName()).toStdString() << " column " << column;
      }
    }
  }
  EXPECT_EQ(lists, 14);

  // Each language is set as the program sets it ("Sprache") and the window shown anew, which
  // applies its texts. The windows start in German: English first, then German again, so that
  // both switches are seen.
  int items = 0;
  for (const ListRow& row : rows) {
    const std::string where = Where(row.window, row.control).toStdString() +
                              (row.column >= 0 ? " column " + std::to_string(row.column) : std::string()) +
                              (row.filledBy ? std::string(", ") + row.filledBy : std::string());
    SCOPED_TRACE(where);
    const std::string kept = settings->ReadSettings();
    if (row.fill) row.fill();
    for (const bool english : {true, false}) {
      SCOPED_TRACE(english ? "english" : "deutsch");
      row.window->hide();
      auto* form = dynamic_cast<FormBase*>(row.window);
      ASSERT_NE(form, nullptr);
      Show(form, english ? "english" : "deutsch");
      const QList<QWidget*> found = row.window->findChildren<QWidget*>(row.control);
      ASSERT_EQ(found.size(), 1);
      const QStringList expected = english && row.english ? *row.english : row.german;
      const QStringList actual = ItemsOf(found[0], row.column);
      EXPECT_EQ(actual.size(), expected.size());
      EXPECT_EQ(actual, expected);
      items += expected.size();
      if (row.shown) {
        auto* box = qobject_cast<QComboBox*>(found[0]);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->currentText(), english ? row.shown->second : row.shown->first);
      }
      row.window->hide();
    }
    settings->WriteSettings(kept);
  }
  EXPECT_EQ(items, 2 * 156);
}

}  // namespace
}  // namespace velomare::test
