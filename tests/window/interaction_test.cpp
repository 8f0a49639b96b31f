#include <QAccessible>
#include <QClipboard>

#include "expected_reports.hpp"
#include "window_fixture.hpp"

namespace tarvinel::testing {
namespace {

const char* const kStatementStart = "Историята на Земята";

TEST_F(WindowTest, StartsWithTheStatementNothingSelectedAndFocusInTheOutputBox) {
  EXPECT_TRUE(
      QString::fromStdString(window->Text()).startsWith(QString::fromUtf8(kStatementStart)));
  EXPECT_EQ(CheckedEra(), std::nullopt);
  EXPECT_EQ(SelectedRow(), -1);
  EXPECT_EQ(window->ListIndex(), -1);
  EXPECT_EQ(QApplication::focusWidget(), Output());
  EXPECT_EQ(window->State().ClickGuard, Guard::Idle);
}

TEST_F(WindowTest, EveryEraByMouseWritesItsReportAndClearsTheList) {
  for (int era = 0; era < 6; ++era) {
    SCOPED_TRACE(era);
    ClickRow(era * 3);
    shownTexts.clear();
    ClickEra(era);
    EXPECT_EQ(window->Text(), expected::kEraReports[era]);
    EXPECT_EQ(CheckedEra(), era);
    EXPECT_EQ(SelectedRow(), -1);
    EXPECT_EQ(window->ListIndex(), -1);
    EXPECT_EQ(Reports(), 1);
    EXPECT_EQ(window->State().ClickGuard, Guard::Idle);
  }
}

TEST_F(WindowTest, EveryPeriodByMouseWritesItsReportAndChecksItsEraOnly) {
  for (int row = 0; row < 22; ++row) {
    SCOPED_TRACE(row);
    ClickEra(row % 2 == 0 ? 0 : 5);
    shownTexts.clear();
    listClicks->clear();
    ClickRow(row);
    EXPECT_EQ(window->Text(), expected::PeriodReport(row));
    EXPECT_EQ(CheckedEra(), expected::kPeriods[row].era);
    EXPECT_EQ(SelectedRow(), row);
    EXPECT_EQ(Reports(), 1);
    EXPECT_FALSE(AnEraReportWasShown());
    EXPECT_EQ(listClicks->count(), 1);
    EXPECT_EQ(window->State().ClickGuard, Guard::Idle);
  }
}

struct KeyStep {
  Qt::Key key;
  int row;
};

TEST_F(WindowTest, KeysMoveThroughThePeriods) {
  const KeyStep steps[] = {{Qt::Key_Down, 0}, {Qt::Key_Down, 1}, {Qt::Key_End, 21},
                           {Qt::Key_Up, 20},  {Qt::Key_Home, 0}, {Qt::Key_Up, 0},
                           {Qt::Key_End, 21}, {Qt::Key_Down, 21}};
  for (const KeyStep& step : steps) {
    SCOPED_TRACE(step.row);
    const int before = SelectedRow();
    listClicks->clear();
    shownTexts.clear();
    ListKey(step.key);
    EXPECT_EQ(SelectedRow(), step.row);
    EXPECT_EQ(window->Text(), expected::PeriodReport(step.row));
    EXPECT_EQ(CheckedEra(), expected::kPeriods[step.row].era);
    const int changes = step.row == before ? 0 : 1;
    EXPECT_EQ(listClicks->count(), changes);
    EXPECT_EQ(Reports(), changes);
  }
}

TEST_F(WindowTest, TypingACyrillicLetterPicksThePeriodThatStartsWithIt) {
  List()->setFocus(Qt::TabFocusReason);
  QKeyEvent letter(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("Ю"));
  QApplication::sendEvent(List(), &letter);
  EXPECT_EQ(SelectedRow(), 21);
  EXPECT_EQ(window->Text(), expected::PeriodReport(21));
  EXPECT_EQ(CheckedEra(), 0);
}

TEST_F(WindowTest, KeysAfterAnEraPickStartFromTheTop) {
  ClickRow(13);
  ClickEra(2);
  ListKey(Qt::Key_Down);
  EXPECT_EQ(SelectedRow(), 0);
  EXPECT_EQ(window->Text(), expected::PeriodReport(0));
}

TEST_F(WindowTest, PeriodThenAnotherEraClearsTheListAndTheNestedClickChangesNothing) {
  ClickRow(13);  // Перм, era 4
  ASSERT_EQ(CheckedEra(), 4);
  listClicks->clear();
  shownTexts.clear();
  ClickEra(0);
  EXPECT_EQ(window->Text(), expected::kEraReports[0]);
  EXPECT_EQ(SelectedRow(), -1);
  EXPECT_EQ(listClicks->count(), 1) << "clearing the list raises its click inside the write";
  EXPECT_EQ(Reports(), 1);
}

TEST_F(WindowTest, ClickingTheCheckedEraWritesItsReportAgain) {
  ClickRow(13);
  shownTexts.clear();
  ClickEra(4);
  EXPECT_EQ(window->Text(), expected::kEraReports[4]);
  EXPECT_EQ(SelectedRow(), -1);
  EXPECT_EQ(Reports(), 1);
}

TEST_F(WindowTest, TheSelectedPeriodCannotBeDeselected) {
  ClickRow(5);
  listClicks->clear();
  shownTexts.clear();

  ClickRow(5, Qt::ControlModifier);
  ListKey(Qt::Key_Space, Qt::ControlModifier);
  ListKey(Qt::Key_Space);

  EXPECT_EQ(SelectedRow(), 5);
  EXPECT_EQ(listClicks->count(), 0);
  EXPECT_EQ(Reports(), 0);
  EXPECT_EQ(window->Text(), expected::PeriodReport(5));
}

TEST_F(WindowTest, ClickingBesideTheRowsChangesNothing) {
  ClickRow(21);
  listClicks->clear();
  shownTexts.clear();
  ASSERT_TRUE(ClickBelowTheRows()) << "the list leaves no empty space below its last row";
  EXPECT_EQ(SelectedRow(), 21);
  EXPECT_EQ(listClicks->count(), 0);
  EXPECT_EQ(Reports(), 0);
}

TEST_F(WindowTest, FocusingTheListSelectsNothing) {
  for (int i = 0; i < 4; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), List());
  EXPECT_EQ(SelectedRow(), -1);
  EXPECT_EQ(listClicks->count(), 0);
  EXPECT_EQ(Reports(), 0);
}

TEST_F(WindowTest, TabVisitsEveryControlInDesignOrderAndShiftTabReturns) {
  const std::vector<QWidget*> order = {Output(), Era(0), Era(1), Era(2),
                                       List(),   Era(3), Era(4), Era(5)};
  for (std::size_t i = 1; i <= order.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), order[i % order.size()]) << i;
  }
  for (std::size_t i = order.size(); i-- > 0;) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), order[i]) << i;
  }
  EXPECT_EQ(CheckedEra(), std::nullopt) << "moving the focus picked an era";
  EXPECT_EQ(Reports(), 0);
}

TEST_F(WindowTest, EraKeysPickErasWithoutTheMouse) {
  Era(1)->setFocus(Qt::TabFocusReason);
  QTest::keyClick(Era(1), Qt::Key_Space);
  EXPECT_EQ(CheckedEra(), 1);
  EXPECT_EQ(window->Text(), expected::kEraReports[1]);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
  EXPECT_EQ(CheckedEra(), 2);
  EXPECT_EQ(window->Text(), expected::kEraReports[2]);
}

// What a user copies from the box and what a screen reader reads of it: every line of the report,
// the last one ended by a line break too.
TEST_F(WindowTest, CopyingTheBoxOrReadingItAloudGivesEveryLineOfTheReport) {
  const struct {
    int era;  // -1: a period click on row 0 instead
    std::string report;
  } cases[] = {{4, expected::kEraReports[4]}, {-1, expected::PeriodReport(0)}};
  for (const auto& pick : cases) {
    SCOPED_TRACE(pick.report);
    if (pick.era >= 0) {
      ClickEra(pick.era);
    } else {
      ClickRow(0);
    }
    const QString lines =
        QString::fromStdString(pick.report).replace(QLatin1String("\r\n"), QLatin1String("\n"));
    ASSERT_TRUE(lines.endsWith(u'\n'));
    EXPECT_EQ(Output()->document()->blockCount(), lines.count(u'\n') + 1) << "no empty last line";

    Output()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Output(), Qt::Key_A, Qt::ControlModifier);
    QApplication::clipboard()->clear();
    QTest::keyClick(Output(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), lines);

    QAccessibleTextInterface* read =
        QAccessible::queryAccessibleInterface(Output())->textInterface();
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->text(0, read->characterCount()), lines);
    EXPECT_EQ(window->Text(), pick.report);
  }
}

TEST_F(WindowTest, TheOutputBoxIsReadOnly) {
  ClickEra(0);
  Output()->setFocus();
  QTest::keyClicks(Output(), QStringLiteral("xyz"));
  QTest::keyClick(Output(), Qt::Key_Backspace);
  EXPECT_EQ(window->Text(), expected::kEraReports[0]);
  EXPECT_FALSE(Output()->toPlainText().contains(QStringLiteral("xyz")));
}

TEST_F(WindowTest, ClosingTheWindowEndsTheEventLoopWithStatusZero) {
  ClickEra(3);
  QMetaObject::invokeMethod(window.get(), &QWidget::close, Qt::QueuedConnection);
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace tarvinel::testing
