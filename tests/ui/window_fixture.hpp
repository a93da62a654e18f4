#pragma once

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <ostream>
#include <string>

#include "calc/recalculate.hpp"
#include "tests/support/table_sheet.hpp"
#include "ui/frm_datos.hpp"

inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace ui::testing {

// An open, active window, as the program shows it at start.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override { Open("."); }

  void Open(const std::string& separator) {
    window_ = std::make_unique<FrmDatos>(separator);
    runs_ = std::make_unique<QSignalSpy>(window_.get(), &FrmDatos::Recalculated);
    window_->ShowCentred();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  }

  QLineEdit* Box(const QString& name) const {
    auto* box = qobject_cast<QLineEdit*>(window_->Control(name));
    EXPECT_NE(box, nullptr) << name.toStdString();
    return box;
  }

  static QString BoxName(const char* array, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
  }

  // What the core computes over the window's four inputs and the given earlier R(13).
  calc::testing::TableSheet CoreResults(const QString& priorUtilisation) const {
    calc::testing::TableSheet sheet;
    for (int index : {0, 1, 3, 4}) {
      sheet.d[static_cast<std::size_t>(index)] = Box(BoxName("D", index))->text().toStdString();
    }
    sheet.r[13] = priorUtilisation.toStdString();
    calc::Recalculate(sheet);
    return sheet;
  }

  void ExpectResultsOfCore(const QString& priorUtilisation) const {
    const calc::testing::TableSheet expected = CoreResults(priorUtilisation);
    for (int index = 0; index < 14; ++index) {
      if (index == 6) {
        continue;
      }
      EXPECT_EQ(Box(BoxName("R", index))->text().toStdString(),
                expected.r[static_cast<std::size_t>(index)])
          << "R(" << index << ")";
    }
    EXPECT_EQ(Box("R(6)")->text(), QString());
  }

  QStringList ResultTexts() const {
    QStringList texts;
    for (int index = 0; index < 14; ++index) {
      texts << Box(BoxName("R", index))->text();
    }
    return texts;
  }

  int Runs() const { return static_cast<int>(runs_->count()); }

  std::unique_ptr<FrmDatos> window_;
  std::unique_ptr<QSignalSpy> runs_;
};

}  // namespace ui::testing
