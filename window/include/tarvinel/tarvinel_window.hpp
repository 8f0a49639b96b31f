#pragma once

#include <QWidget>
#include <array>
#include <string>

#include "tarvinel/coordinator.hpp"
#include "tarvinel/tarvinel_view.hpp"

class QButtonGroup;
class QPlainTextEdit;

namespace tarvinel {

class Announcer;
class PeriodList;

// The main window: the era buttons, the period list and the output box, as designed, bound to the
// coordinator. Controls carry their design names as object names ("Option1_0", "List1_0",
// "Text1_0", "Frame1", "Label1_0", "Label1_1"). The era-number column is the catalogue's table,
// row-aligned with the period list, and is never drawn.
class Tarvinel : public QWidget, public TarvinelView {
  Q_OBJECT

 public:
  explicit Tarvinel(QWidget* parent = nullptr);
  ~Tarvinel() override;

  const CoordinatorState& State() const { return coordinator_.State(); }
  // Puts the window back as it opens: no era checked, no period selected and the list at its
  // top, the exercise statement in the box, the focus in the box. Nothing is announced.
  void Restart();

  std::int16_t PeriodCount() const override;
  std::string PeriodName(std::int16_t row) const override;
  std::string EraNumberText(std::int16_t row) const override;
  std::string EraCaption(std::int16_t era) const override;
  std::int16_t ListIndex() const override;
  void SetListIndex(std::int16_t row) override;
  void SelectEra(std::int16_t era) override;
  std::string Text() const override;
  void SetText(std::string text) override;

 protected:
  bool focusNextPrevChild(bool next) override;

 private:
  QWidget* MakeTitleLabel();
  QWidget* MakeEraFrame();
  QWidget* MakePeriodPicker();
  QWidget* MakeOutputBox();
  QString ShowInBox(const std::string& text);

  Coordinator coordinator_{*this};
  QButtonGroup* eras_ = nullptr;
  PeriodList* periods_ = nullptr;
  QPlainTextEdit* output_ = nullptr;
  Announcer* announcer_ = nullptr;
  std::array<QWidget*, 8> focusOrder_{};
};

}  // namespace tarvinel
