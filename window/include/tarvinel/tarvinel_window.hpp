#pragma once

#include <QWidget>
#include <array>
#include <memory>
#include <string>

#include "tarvinel/coordinator.hpp"
#include "tarvinel/design.hpp"
#include "tarvinel/self_check.hpp"
#include "tarvinel/tarvinel_view.hpp"

class QButtonGroup;
class QPlainTextEdit;

namespace tarvinel {

class Announcer;
class PeriodList;

// The main window: the era buttons, the period list and the output box, as designed, bound to the
// coordinator; or, for a self-check, the same window bound to a round. Controls carry their design
// names as object names ("Option1_0", "List1_0", "Text1_0", "Frame1", "Label1_0", "Label1_1"). The
// era-number column is the catalogue's table, row-aligned with the period list, and is never drawn.
class Tarvinel : public QWidget, public TarvinelView {
  Q_OBJECT

 public:
  explicit Tarvinel(design::Purpose purpose = design::Purpose::Reference,
                    QWidget* parent = nullptr);
  ~Tarvinel() override;

  const CoordinatorState& State() const { return coordinator_.State(); }
  // Puts the window back as it opens: no era checked, no period selected and the list at its
  // top, the exercise statement (or a new round) in the box, the focus in the box. Nothing is
  // announced.
  void Restart();

  std::int16_t PeriodCount() const override;
  std::string PeriodName(std::int16_t row) const override;
  std::string EraNumberText(std::int16_t row) const override;
  std::string EraCaption(std::int16_t era) const override;
  std::int16_t ListIndex() const override;
  void SetListIndex(std::int16_t row) override;
  void SelectEra(std::int16_t era) override;
  void ClearEras() override;
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

  PickHandler& Picks();

  Coordinator coordinator_{*this};
  std::unique_ptr<SelfCheck> selfCheck_;
  QButtonGroup* eras_ = nullptr;
  PeriodList* periods_ = nullptr;
  QPlainTextEdit* output_ = nullptr;
  Announcer* announcer_ = nullptr;
  std::array<QWidget*, 8> focusOrder_{};
};

}  // namespace tarvinel
