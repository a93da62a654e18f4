// Random edits of the real window's boxes, each checked against the core over a plain sheet.
// The seed is printed with a failure; CALCULO_SOAK_SEED reruns one seed, CALCULO_SOAK_EDITS
// changes the number of edits.
#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <random>

#include "tests/ui/window_fixture.hpp"

namespace ui::testing {
namespace {

constexpr unsigned kDefaultSeed = 20261211;
constexpr int kDefaultEdits = 20000;

int EnvironmentNumber(const char* name, int fallback) {
  bool ok = false;
  const int value = qEnvironmentVariableIntValue(name, &ok);
  return ok ? value : fallback;
}

// Characters a user might type: the number's own, their neighbours, and some that are not.
const QString kTyped = QStringLiteral("0123456789+-.,eE  abcxyz\u00BA\u00E9\u00A0");
// Only these reach a box through a paste: beyond Latin-1, or not typeable as a key.
const QString kPastedOnly = QStringLiteral("\u066B\u2009\uFF11\u20AC\t\r\n");

class Soak {
 public:
  explicit Soak(unsigned seed) : random_(seed) {}

  int Below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random_); }

  QChar AnyChar() {
    const QString& pool = Below(8) == 0 ? kPastedOnly : kTyped;
    return pool[Below(static_cast<int>(pool.size()))];
  }

  QString AnyText(int maxLength) { return TextOfLength(Below(maxLength + 1)); }

  QString TextOfLength(int length) {
    QString text;
    text.reserve(length);
    for (int i = 0; i < length; ++i) {
      text += Below(20) == 0 ? AnyChar() : kTyped[Below(10)];  // mostly digits
    }
    return text;
  }

  // One edit of the box as a user would make it; returns what it was, for a failure message.
  QString Edit(QLineEdit* box) {
    box->setCursorPosition(Below(static_cast<int>(box->text().size()) + 1));
    switch (Below(10)) {
      case 0:
      case 1:
      case 2: {
        const QChar c = kTyped[Below(static_cast<int>(kTyped.size()))];
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
        return QStringLiteral("type '%1'").arg(c);
      }
      case 3: {
        const bool huge = Below(1000) == 0;
        QApplication::clipboard()->setText(huge ? TextOfLength(100000) : AnyText(200));
        if (Below(2) == 0) {
          box->selectAll();
        }
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        return huge ? QStringLiteral("paste a long text") : QStringLiteral("paste");
      }
      case 4:
        box->setSelection(Below(static_cast<int>(box->text().size()) + 1), Below(5));
        QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
        return QStringLiteral("cut");
      case 5:
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        return QStringLiteral("select all and delete");
      case 6:
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        return QStringLiteral("undo");
      case 7:
        QTest::keyClick(box, Qt::Key_Backspace);
        return QStringLiteral("backspace");
      default: {
        const QChar c = AnyChar();
        QApplication::clipboard()->setText(QString(c));
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        return QStringLiteral("paste U+%1").arg(c.unicode(), 4, 16, QChar('0'));
      }
    }
  }

 private:
  std::mt19937 random_;
};

const QStringList kEditable = {"D(0)", "D(1)", "D(3)", "D(4)", "R(13)"};

TEST_F(WindowTest, SurvivesRandomEditsWithTheCoresResults) {
  const auto seed =
      static_cast<unsigned>(EnvironmentNumber("CALCULO_SOAK_SEED", static_cast<int>(kDefaultSeed)));
  const int edits = EnvironmentNumber("CALCULO_SOAK_EDITS", kDefaultEdits);
  Soak soak(seed);
  int changes = 0;
  qsizetype longest = 0;

  for (int edit = 0; edit < edits; ++edit) {
    const QString name = kEditable[soak.Below(static_cast<int>(kEditable.size()))];
    QLineEdit* box = Box(name);
    box->setFocus();
    const QString textBefore = box->text();
    const QStringList resultsBefore = ResultTexts();
    const int runsBefore = Runs();

    const QString what = soak.Edit(box);
    const std::string where = "seed " + std::to_string(seed) + ", edit " + std::to_string(edit) +
                              ": " + what.toStdString() + " in " + name.toStdString();

    const bool changed = box->text() != textBefore;
    changes += changed ? 1 : 0;
    longest = std::max(longest, box->text().size());
    if (name.startsWith('R')) {
      ASSERT_EQ(Runs(), runsBefore) << where;
      QStringList expected = resultsBefore;
      expected[13] = box->text();
      ASSERT_EQ(ResultTexts(), expected) << where;
      continue;
    }
    ASSERT_EQ(Runs(), runsBefore + (changed ? 1 : 0)) << where;
    const calc::testing::TableSheet core = CoreResults(resultsBefore[13]);
    const QStringList results = ResultTexts();
    for (int index = 0; index < 14; ++index) {
      const QString& shown = results[index];
      ASSERT_FALSE(shown.contains("nan") || shown.contains("inf")) << where;
      if (changed && index != 6) {
        ASSERT_EQ(shown.toStdString(), core.r[static_cast<std::size_t>(index)])
            << where << ", R(" << index << ")";
      }
    }
    ASSERT_EQ(results[6], "") << where;
    if (!changed) {
      ASSERT_EQ(results, resultsBefore) << where;
    }
  }
  std::printf("%d edits with seed %u: %d changed a text, %d runs, longest text %lld\n", edits, seed,
              changes, Runs(), static_cast<long long>(longest));
}

}  // namespace
}  // namespace ui::testing
