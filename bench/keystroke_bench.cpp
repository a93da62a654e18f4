// One change of an input box's text, through the recalculation, until every result box is
// written; offscreen and without repainting.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>

#include "ui/application.hpp"
#include "ui/frm_datos.hpp"

namespace {

void BM_AngleChange(benchmark::State& state) {
  ui::FrmDatos window;
  window.ShowCentred();
  QApplication::processEvents();
  auto* angle = static_cast<QLineEdit*>(window.Control("D(1)"));
  const QString texts[2] = {QStringLiteral("147.5"), QStringLiteral("120")};
  int next = 0;
  for (auto _ : state) {
    angle->setText(texts[next]);
    next ^= 1;
  }
}
BENCHMARK(BM_AngleChange);

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  ui::PrepareApplication();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
