#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAccessible>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>
#include <QToolTip>

#include "expected_design.hpp"
#include "expected_reports.hpp"
#include "window_fixture.hpp"

namespace tarvinel::testing {
namespace {

using expected::kDesign;
using expected::Placed;

QRgb Rgb(const QColor& colour) { return colour.rgb() & 0xFFFFFF; }

TEST_F(WindowTest, EveryControlSitsWhereTheDesignPutsIt) {
  for (const Placed& control : kDesign) {
    SCOPED_TRACE(control.name);
    auto* widget = window->findChild<QWidget*>(QString::fromLatin1(control.name));
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->geometry(),
              QRect(control.left / 15, control.top / 15, control.width / 15, control.height / 15));
    EXPECT_TRUE(widget->isVisible());
    const bool isList = qobject_cast<QAbstractScrollArea*>(widget) != nullptr;
    const QPalette& palette = widget->palette();
    if (control.background != 0) {
      EXPECT_EQ(Rgb(palette.color(isList ? QPalette::Base : QPalette::Window)), control.background);
      EXPECT_TRUE(isList || widget->autoFillBackground());
    }
    EXPECT_EQ(Rgb(palette.color(isList ? QPalette::Text : QPalette::WindowText)), control.text);
    EXPECT_EQ(widget->font().family(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(widget->font().pointSize(), 12);
    EXPECT_EQ(widget->font().weight(), QFont::Normal);
    EXPECT_FALSE(widget->font().italic() || widget->font().underline() ||
                 widget->font().strikeOut());
  }
}

TEST_F(WindowTest, TheWindowHasItsDesignedSizeColourAndCaption) {
  EXPECT_EQ(window->size(), QSize(461, 345));
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  EXPECT_EQ(Rgb(window->palette().color(QPalette::Window)), 0xC0C0FFu);
  const QString title = window->windowTitle();
  const QString theme = QString::fromUtf8(" Биология - еон, ера, период");
  ASSERT_TRUE(title.endsWith(theme)) << title.toStdString();
  const QString address = title.chopped(theme.size());
  EXPECT_TRUE(address.startsWith(QStringLiteral("https://")));
  EXPECT_FALSE(address.contains(u' '));
  EXPECT_FALSE(window->windowIcon().isNull());
  EXPECT_EQ(QImage(QStringLiteral(":/tarvinel/tarvinel-32.png")).size(), QSize(32, 32));
  EXPECT_FALSE(window->windowIcon().pixmap(QSize(32, 32)).toImage().isNull());
}

TEST_F(WindowTest, TheControlsCarryTheirDesignedContent) {
  const char* captions[] = {"Мезозой",       "Мезопротерозой", "Неозой",
                            "Неопротерозой", "Палеозой",       "Палеопротерозой"};
  for (int era = 0; era < 6; ++era) {
    EXPECT_EQ(Era(era)->text(), QString::fromUtf8(captions[era]));
    EXPECT_EQ(Era(era)->parentWidget()->objectName(), QStringLiteral("Frame1"));
  }
  EXPECT_EQ(window->findChild<QGroupBox*>(QStringLiteral("Frame1"))->title(),
            QString::fromUtf8("Име на ера"));
  EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("Label1_0"))->text(),
            QString::fromUtf8("Биология - ера и период"));
  EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("Label1_1"))->text(),
            QString::fromUtf8("Име на период"));
  for (const char* name : {"Label1_0", "Label1_1"}) {
    EXPECT_EQ(window->findChild<QLabel*>(QString::fromLatin1(name))->alignment(), Qt::AlignCenter);
    EXPECT_EQ(window->findChild<QLabel*>(QString::fromLatin1(name))->focusPolicy(), Qt::NoFocus);
  }
  const char* periods[] = {"Девон",     "Едиакарий", "Ектасий", "Калимий", "Камбрий", "Карбон",
                           "Кватернер", "Креда",     "Криоген", "Неоген",  "Ордовик", "Орозирий",
                           "Палеоген",  "Перм",      "Рясий",   "Сидерий", "Силур",   "Статерий",
                           "Стений",    "Тоний",     "Триас",   "Юра"};
  ASSERT_EQ(List()->count(), 22);
  for (int row = 0; row < 22; ++row) {
    EXPECT_EQ(List()->item(row)->text(), QString::fromUtf8(periods[row]));
  }
  EXPECT_FALSE(List()->isSortingEnabled());
}

TEST_F(WindowTest, TheStatementIsNineCrLfLinesAndScrolls) {
  const QString statement = QString::fromStdString(window->Text());
  EXPECT_EQ(statement.size(), 1157);
  EXPECT_EQ(statement.count(QStringLiteral("\r\n")), 9);
  EXPECT_TRUE(statement.endsWith(QStringLiteral("\r\n")));
  EXPECT_EQ(statement.count(u'\n'), 9);
  EXPECT_TRUE(statement.contains(QString::fromUtf8("Тема на проекта: Биология - ера и период")));
  for (const char* eon : {"Хадей", "Архай (", "Протерозой (", "Фанерозой ("}) {
    EXPECT_TRUE(statement.contains(QString::fromUtf8(eon))) << eon;
  }
  EXPECT_EQ(Output()->document()->blockCount(), 10) << "nine lines and the empty one after them";
  EXPECT_GT(Output()->verticalScrollBar()->maximum(), 0);
  EXPECT_EQ(Output()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(Output()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
  EXPECT_TRUE(Output()->isReadOnly());
}

TEST_F(WindowTest, ThePeriodListScrollsAndTheErasFitTheirFrame) {
  EXPECT_GT(List()->verticalScrollBar()->maximum(), 0);
  const QRect frame = window->findChild<QWidget*>(QStringLiteral("Frame1"))->rect();
  for (int era = 0; era < 6; ++era) EXPECT_TRUE(frame.contains(Era(era)->geometry())) << era;
}

TEST_F(WindowTest, TheFontIsTimesNewRomanOrItsMetricTwin) {
  const QString family = QFontInfo(window->font()).family();
  EXPECT_TRUE(family == QStringLiteral("Times New Roman") ||
              family == QStringLiteral("Liberation Serif"))
      << family.toStdString();
}

TEST_F(WindowTest, AssistiveTechnologyKnowsTheControlsByName) {
  const auto nameOf = [](QObject* object) {
    return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
  };
  EXPECT_EQ(nameOf(window->findChild<QWidget*>(QStringLiteral("Frame1"))),
            QString::fromUtf8("Име на ера"));
  EXPECT_EQ(nameOf(List()), QString::fromUtf8("Име на период"));
  EXPECT_FALSE(nameOf(Output()).isEmpty());
  for (int era = 0; era < 6; ++era) EXPECT_EQ(nameOf(Era(era)), Era(era)->text());
}

TEST_F(WindowTest, EveryEraAndPeriodTellsItsAgeAsTooltipAndDescription) {
  for (int era = 0; era < 6; ++era) {
    const QString tip = Era(era)->toolTip();
    EXPECT_TRUE(tip.startsWith(Era(era)->text() + QStringLiteral(": от "))) << era;
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Era(era))->text(QAccessible::Description), tip);
  }
  for (int row = 0; row < List()->count(); ++row) {
    const QListWidgetItem* item = List()->item(row);
    EXPECT_TRUE(item->toolTip().startsWith(item->text() + QStringLiteral(": от "))) << row;
    EXPECT_EQ(item->data(Qt::AccessibleDescriptionRole).toString(), item->toolTip());
  }
  EXPECT_EQ(Era(0)->toolTip(), QString::fromUtf8("Мезозой: от 251,902 до 66,00 млн. години"));
  EXPECT_EQ(List()->item(6)->toolTip(),
            QString::fromUtf8("Кватернер: от 2,58 млн. години до днес"));
}

// What Qt sends a widget when the pointer rests on it.
bool Hover(QWidget* widget, const QPoint& at) {
  QHelpEvent event(QEvent::ToolTip, at, widget->mapToGlobal(at));
  return QApplication::sendEvent(widget, &event);
}

TEST_F(WindowTest, HoveringAPeriodOrAnEraShowsItsAge) {
  List()->scrollToItem(List()->item(13));
  Hover(List()->viewport(), List()->visualItemRect(List()->item(13)).center());
  EXPECT_TRUE(QToolTip::isVisible());
  EXPECT_EQ(QToolTip::text(), QString::fromUtf8("Перм: от 298,9 до 251,902 млн. години"));

  Hover(Era(2), Era(2)->rect().center());
  EXPECT_TRUE(QToolTip::isVisible());
  EXPECT_EQ(QToolTip::text(), QString::fromUtf8("Неозой: от 66,00 млн. години до днес"));
  EXPECT_EQ(window->Text().rfind("Историята на Земята", 0), 0u) << "hovering wrote a report";
}

QList<QAccessible::Event> accessibleEvents;
QObject* accessibleSource = nullptr;

void RecordAccessibleEvent(QAccessibleEvent* event) {
  if (event->object() == accessibleSource) accessibleEvents.append(event->type());
}

TEST_F(WindowTest, ANewReportReachesAssistiveTechnologyAsATextChange) {
  accessibleEvents.clear();
  accessibleSource = Output();
  QAccessible::installUpdateHandler(RecordAccessibleEvent);
  // As an assistive technology would: the platform's accessibility is switched on.
  QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
  ClickEra(2);
  QAccessible::installUpdateHandler(nullptr);
  const bool textEvent =
      std::any_of(accessibleEvents.begin(), accessibleEvents.end(), [](QAccessible::Event type) {
        return type == QAccessible::TextUpdated || type == QAccessible::TextInserted;
      });
  EXPECT_TRUE(textEvent);
}

QList<std::pair<QAccessible::Role, QString>> notifications;

void RecordNotification(QAccessibleEvent* event) {
  QAccessibleInterface* shown = event->accessibleInterface();
  if (event->type() == QAccessible::ObjectShow && shown &&
      shown->role() == QAccessible::Notification) {
    notifications.append({shown->role(), shown->text(QAccessible::Name)});
  }
}

// A screen reader does not read the output box while the focus is elsewhere: each report is also
// shown as a notification, after the click that wrote it, and the focus stays where it was.
TEST_F(WindowTest, EveryReportIsAnnouncedAfterTheClickThatWroteIt) {
  QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
  notifications.clear();
  QAccessible::installUpdateHandler(RecordNotification);
  const struct {
    int era;  // -1: row 13 instead
    std::string report;
  } picks[] = {{4, expected::kEraReports[4]}, {-1, expected::PeriodReport(13)}};
  for (const auto& pick : picks) {
    SCOPED_TRACE(pick.report);
    notifications.clear();
    if (pick.era >= 0) {
      ClickEra(pick.era);
    } else {
      ClickRow(13);
    }
    QWidget* focus = QApplication::focusWidget();
    EXPECT_TRUE(notifications.isEmpty()) << "announced before the click has ended";
    QCoreApplication::processEvents();
    ASSERT_EQ(notifications.size(), 1);
    const QString spoken = QString::fromStdString(pick.report)
                               .replace(QLatin1String("\r\n"), QLatin1String("\n"))
                               .trimmed();
    EXPECT_EQ(notifications.first().second, spoken);
    EXPECT_EQ(QApplication::focusWidget(), focus);
  }
  QAccessible::installUpdateHandler(nullptr);
}

}  // namespace
}  // namespace tarvinel::testing
