#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QStyleOptionButton>
#include <QWindow>

#include "window_fixture.hpp"

// The window on the screen it was started on: QT_SCALE_FACTOR and the fonts fontconfig offers
// come from the environment, one combination per run (see tests/CMakeLists.txt).
namespace tarvinel::testing {
namespace {

// Where the design puts a control's centre, in the window's logical pixels (twips / 15).
QPoint DesignCentre(int left, int top, int width, int height) {
  return {(left + width / 2) / 15, (top + height / 2) / 15};
}

QString FontExpected() { return qEnvironmentVariable("TARVINEL_EXPECTED_FONT"); }

TEST_F(WindowTest, RunsAtTheRequestedScaleWithTheExpectedFont) {
  const double scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                           ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                           : 1.0;
  EXPECT_DOUBLE_EQ(window->devicePixelRatio(), scale);
  EXPECT_EQ(window->size(), QSize(461, 345));
  EXPECT_EQ(window->grab().size(), QSize(qRound(461 * scale), qRound(345 * scale)));
  if (!FontExpected().isEmpty()) {
    EXPECT_EQ(QFontInfo(window->font()).family(), FontExpected());
  }
}

TEST_F(WindowTest, EveryControlLiesInsideTheClientArea) {
  const QRect client = window->rect();
  for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (!child->isVisible()) continue;
    EXPECT_TRUE(client.contains(child->geometry())) << child->objectName().toStdString();
  }
  const QRect frame = window->findChild<QWidget*>(QStringLiteral("Frame1"))->rect();
  for (int era = 0; era < 6; ++era) EXPECT_TRUE(frame.contains(Era(era)->geometry())) << era;
}

// Every caption, label and list row is drawn whole in the font actually used.
TEST_F(WindowTest, EveryTextFitsItsControl) {
  for (int era = 0; era < 6; ++era) {
    QStyleOptionButton option;
    option.initFrom(Era(era));
    const QRect contents =
        Era(era)->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, Era(era));
    const QFontMetrics metrics(Era(era)->font());
    EXPECT_LE(metrics.horizontalAdvance(Era(era)->text()), contents.width()) << era;
    EXPECT_LE(metrics.height(), Era(era)->height()) << era;
  }
  for (const char* name : {"Label1_0", "Label1_1"}) {
    const auto* label = window->findChild<QLabel*>(QString::fromLatin1(name));
    const QFontMetrics metrics(label->font());
    EXPECT_LE(metrics.horizontalAdvance(label->text()), label->contentsRect().width()) << name;
    EXPECT_LE(metrics.height(), label->contentsRect().height()) << name;
  }
  const auto* frame = window->findChild<QGroupBox*>(QStringLiteral("Frame1"));
  EXPECT_LE(QFontMetrics(frame->font()).horizontalAdvance(frame->title()), frame->width());
  EXPECT_LE(QFontMetrics(frame->font()).height(), Era(0)->y())
      << "the frame's title runs into the first era";
  const QFontMetrics listMetrics(List()->font());
  for (int row = 0; row < List()->count(); ++row) {
    List()->scrollToItem(List()->item(row));
    const QRect rect = List()->visualItemRect(List()->item(row));
    EXPECT_LE(listMetrics.horizontalAdvance(List()->item(row)->text()), rect.width()) << row;
    EXPECT_LE(listMetrics.height(), rect.height()) << row;
    EXPECT_LE(rect.right(), List()->viewport()->width()) << row;
  }
}

// Clicks through the window system, at the places the design gives, reach the designed controls.
TEST_F(WindowTest, ClicksLandWhereTheDesignPutsTheControls) {
  QWindow* handle = window->windowHandle();
  const QPoint frame(120 / 15, 600 / 15);
  for (int era = 0; era < 6; ++era) {
    QTest::mouseClick(handle, Qt::LeftButton, {},
                      frame + DesignCentre(120, 300 + 300 * era, 3255, 300));
    EXPECT_EQ(CheckedEra(), era);
    EXPECT_EQ(QApplication::focusWidget(), Era(era));
  }
  const int rowHeight = List()->visualItemRect(List()->item(0)).height();
  List()->scrollToTop();
  QTest::mouseClick(handle, Qt::LeftButton, {},
                    QPoint(4320 / 15 + 30, 900 / 15 + List()->frameWidth() + rowHeight / 2));
  EXPECT_EQ(SelectedRow(), 0);
  EXPECT_EQ(window->Text(), "Посочен период: Девон\r\nТози период е от ера: Палеозой\r\n");
  QTest::mouseClick(handle, Qt::LeftButton, {}, DesignCentre(120, 3120, 6735, 1935));
  EXPECT_EQ(QApplication::focusWidget(), Output());
}

}  // namespace
}  // namespace tarvinel::testing
