#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "tarvinel/tarvinel_window.hpp"

namespace tarvinel::testing {

// A shown, active main window, driven by real mouse and key events on its controls.
class WindowDriver {
 public:
  // Opens a new window; false when it could not be shown and activated.
  bool Open() {
    window = std::make_unique<Tarvinel>(purpose);
    window->show();
    window->activateWindow();
    // The activation arrives as a window-system event: handling the waiting events is enough
    // where it has come, and QTest's wait, which sleeps between its looks, is left for where it
    // has not.
    QCoreApplication::processEvents();
    if (!window->isActiveWindow() && !QTest::qWaitForWindowActive(window.get())) return false;
    shownTexts.clear();
    QObject::connect(Output(), &QPlainTextEdit::textChanged, window.get(), [this] {
      if (!Output()->toPlainText().isEmpty()) shownTexts.append(Output()->toPlainText());
    });
    listClicks = std::make_unique<QSignalSpy>(List(), SIGNAL(Click()));
    return true;
  }

  QAbstractButton* Era(int era) const {
    return window->findChild<QAbstractButton*>(QStringLiteral("Option1_%1").arg(era));
  }
  QListWidget* List() const { return window->findChild<QListWidget*>(QStringLiteral("List1_0")); }
  QPlainTextEdit* Output() const {
    return window->findChild<QPlainTextEdit*>(QStringLiteral("Text1_0"));
  }
  std::optional<int> CheckedEra() const {
    for (int era = 0; era < 6; ++era) {
      if (Era(era)->isChecked()) return era;
    }
    return std::nullopt;
  }
  int SelectedRow() const {
    const auto rows = List()->selectionModel()->selectedRows();
    return rows.size() == 1 ? rows.first().row() : (rows.isEmpty() ? -1 : -2);
  }

  // The shown texts that differ from the one before: one per report written.
  int Reports() const {
    int reports = 0;
    for (qsizetype i = 0; i < shownTexts.size(); ++i) {
      if (i == 0 || shownTexts[i] != shownTexts[i - 1]) ++reports;
    }
    return reports;
  }
  bool AnEraReportWasShown() const {
    return std::any_of(shownTexts.begin(), shownTexts.end(), [](const QString& text) {
      return text.startsWith(QString::fromUtf8("Посочена ера"));
    });
  }

  void ClickEra(int era, Qt::KeyboardModifiers modifiers = {}) {
    QTest::mouseClick(Era(era), Qt::LeftButton, modifiers, Era(era)->rect().center());
  }
  void ClickRow(int row, Qt::KeyboardModifiers modifiers = {}) {
    List()->scrollToItem(List()->item(row));
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, modifiers,
                      List()->visualItemRect(List()->item(row)).center());
  }
  void ListKey(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    List()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(List(), key, modifiers);
  }

  // A click on the list's empty space below its last row; false when there is none.
  bool ClickBelowTheRows() {
    List()->scrollToBottom();
    const QRect last = List()->visualItemRect(List()->item(List()->count() - 1));
    const QPoint below(last.center().x(), last.bottom() + 2);
    if (below.y() >= List()->viewport()->height() || List()->indexAt(below).isValid()) {
      return false;
    }
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, below);
    return true;
  }
  // A key pressed and released on whatever has the keyboard focus.
  void Key(Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key,
                    key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
  }

  design::Purpose purpose = design::Purpose::Reference;
  std::unique_ptr<Tarvinel> window;
  // Every text the output box showed, in order (Qt empties the box on the way to a new text).
  QStringList shownTexts;
  std::unique_ptr<QSignalSpy> listClicks;
};

class WindowTest : public ::testing::Test, public WindowDriver {
 protected:
  void SetUp() override { ASSERT_TRUE(Open()); }
};

}  // namespace tarvinel::testing
