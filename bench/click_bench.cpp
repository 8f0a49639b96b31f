#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

#include "home_toolkit_double.hpp"
#include "tarvinel/reports.hpp"
#include "tarvinel/tarvinel_window.hpp"

namespace {

using tarvinel::testing::HomeToolkitDouble;

void ComposeEraReport(benchmark::State& state) {
  const tarvinel::FixedCatalogue catalogue;
  double era = 4;
  for (auto _ : state) benchmark::DoNotOptimize(tarvinel::ComposeEraReport(catalogue, era));
}
BENCHMARK(ComposeEraReport);

void ComposePeriodReport(benchmark::State& state) {
  const tarvinel::FixedCatalogue catalogue;
  std::int16_t row = 13;
  for (auto _ : state) benchmark::DoNotOptimize(tarvinel::ComposePeriodReport(catalogue, row));
}
BENCHMARK(ComposePeriodReport);

// The coordinator through the toolkit-free window, nested clicks included.
void EraClickThroughTheDouble(benchmark::State& state) {
  HomeToolkitDouble window;
  std::int16_t era = 0;
  for (auto _ : state) {
    window.UserPicksEra(era);
    era = static_cast<std::int16_t>((era + 1) % 6);
  }
}
BENCHMARK(EraClickThroughTheDouble);

void PeriodClickThroughTheDouble(benchmark::State& state) {
  HomeToolkitDouble window;
  std::int16_t row = 0;
  for (auto _ : state) {
    window.UserPicksPeriod(row);
    row = static_cast<std::int16_t>((row + 5) % 22);
  }
}
BENCHMARK(PeriodClickThroughTheDouble);

// Real widgets on the offscreen platform: a mouse click on an era button until the output holds
// that era's report; two eras in turn, so every click writes a new report.
void EraMouseClickInTheWindow(benchmark::State& state) {
  tarvinel::Tarvinel window;
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) state.SkipWithError("window not shown");
  QAbstractButton* eras[2] = {window.findChild<QAbstractButton*>(QStringLiteral("Option1_0")),
                              window.findChild<QAbstractButton*>(QStringLiteral("Option1_4"))};
  int next = 0;
  for (auto _ : state) {
    QTest::mouseClick(eras[next], Qt::LeftButton, {}, QPoint(10, 10));
    if (window.Text().size() < 40) state.SkipWithError("no era report");
    next = 1 - next;
  }
}
BENCHMARK(EraMouseClickInTheWindow);

// The floor for the click above: the same kinds of Qt widgets, font, places and texts, with
// nothing of tarvinel's: a toggled button writes a fixed report and clears the list.
void BareQtEraMouseClick(benchmark::State& state) {
  QWidget window;
  window.setFixedSize(461, 345);
  QFont font(QStringLiteral("Times New Roman"), 12);
  font.setStyleStrategy(QFont::PreferNoShaping);
  window.setFont(font);
  auto* frame = new QGroupBox(QStringLiteral("Frame"), &window);
  frame->setGeometry(8, 40, 233, 153);
  auto* list = new QListWidget(&window);
  list->setGeometry(288, 60, 161, 137);
  for (int row = 0; row < 22; ++row) list->addItem(QStringLiteral("Period %1").arg(row));
  auto* output = new QPlainTextEdit(&window);
  output->setGeometry(8, 208, 449, 129);
  output->setReadOnly(true);
  output->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QButtonGroup group;
  QAbstractButton* buttons[6];
  for (int era = 0; era < 6; ++era) {
    buttons[era] = new QRadioButton(QStringLiteral("Era %1").arg(era), frame);
    buttons[era]->setGeometry(8, 20 + 20 * era, 217, 20);
    group.addButton(buttons[era], era);
  }
  const QString reports[2] = {
      QString::fromUtf8("Посочена ера: Мезозой\nОт тази ера са и периодите: \nКреда\nТриас\nЮра"),
      QString::fromUtf8("Посочена ера: Палеозой\nОт тази ера са и периодите: \nДевон\nКамбрий\n"
                        "Карбон\nОрдовик\nПерм\nСилур")};
  QObject::connect(&group, &QButtonGroup::idToggled, [&](int era, bool checked) {
    if (!checked) return;
    list->clearSelection();
    output->setPlainText(reports[era == 0 ? 0 : 1]);
  });
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) state.SkipWithError("window not shown");
  QAbstractButton* clicked[2] = {buttons[0], buttons[4]};
  int next = 0;
  for (auto _ : state) {
    QTest::mouseClick(clicked[next], Qt::LeftButton, {}, QPoint(10, 10));
    next = 1 - next;
  }
}
BENCHMARK(BareQtEraMouseClick);

// A Down key in the period list until the period report is shown, then Up, in turn.
void ListKeyInTheWindow(benchmark::State& state) {
  tarvinel::Tarvinel window;
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) state.SkipWithError("window not shown");
  auto* list = window.findChild<QListWidget*>(QStringLiteral("List1_0"));
  list->setFocus();
  window.SetListIndex(10);
  bool down = true;
  for (auto _ : state) {
    QTest::keyClick(list, down ? Qt::Key_Down : Qt::Key_Up);
    if (window.ListIndex() != (down ? 11 : 10)) state.SkipWithError("the key did not move");
    down = !down;
  }
}
BENCHMARK(ListKeyInTheWindow);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
