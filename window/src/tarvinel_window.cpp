#include "tarvinel/tarvinel_window.hpp"

#include <QApplication>
#include <QButtonGroup>
#include <QDateTime>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>

#include "announcer.hpp"
#include "era_button.hpp"
#include "period_list.hpp"
#include "qt_design.hpp"

namespace tarvinel {
namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Background as designed, text in whichever of black and white reads better on it.
void Paint(QWidget* widget, Rgb designed, QPalette::ColorRole backgroundRole) {
  QPalette palette = widget->palette();
  const QColor background = design::ToColour(designed);
  const QColor text = design::ToColour(design::TextColourFor(designed));
  palette.setColor(backgroundRole, background);
  palette.setColor(widget->backgroundRole(), background);
  palette.setColor(backgroundRole == QPalette::Base ? QPalette::Text : QPalette::WindowText, text);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

QLabel* MakeLabel(QWidget* parent, const char* objectName, const char* text, design::Twips place,
                  design::Control control) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setObjectName(QString::fromLatin1(objectName));
  label->setGeometry(design::ToRect(place));
  label->setAlignment(Qt::AlignCenter);
  Paint(label, design::BackgroundOf(control), QPalette::Window);
  return label;
}

}  // namespace

Tarvinel::Tarvinel(design::Purpose purpose, QWidget* parent) : QWidget(parent) {
  if (purpose == design::Purpose::SelfCheck) {
    const auto now = QDateTime::currentMSecsSinceEpoch();
    selfCheck_ = std::make_unique<SelfCheck>(*this, static_cast<std::uint32_t>(now));
  }
  setObjectName(QStringLiteral("Tarvinel"));
  setWindowTitle(QString::fromStdString(design::WindowCaption(purpose)));
  setWindowIcon(QIcon(QStringLiteral(":/tarvinel/tarvinel-32.png")));
  setFixedSize(design::ToRect(design::kClientArea).size());
  QFont font(QString::fromLatin1(design::kFontFamily), design::kFontPointSize,
             static_cast<QFont::Weight>(design::kFontWeight));
  // Cyrillic needs no shaping; without it every report is laid out and drawn a sixth faster.
  font.setStyleStrategy(QFont::PreferNoShaping);
  setFont(font);
  Paint(this, design::BackgroundOf(design::Control::Window), QPalette::Window);

  MakeTitleLabel();
  MakeEraFrame();
  MakePeriodPicker();
  MakeOutputBox();
  for (std::size_t at = 0; at < focusOrder_.size(); ++at) {
    const design::FocusStop stop = design::kFocusOrder.at(at);
    switch (stop.kind) {
      case design::FocusStop::Kind::OutputBox:
        focusOrder_.at(at) = output_;
        break;
      case design::FocusStop::Kind::EraButton:
        focusOrder_.at(at) = eras_->button(stop.era);
        break;
      case design::FocusStop::Kind::PeriodList:
        focusOrder_.at(at) = periods_;
        break;
    }
  }

  announcer_ = new Announcer(this);
  Restart();
}

Tarvinel::~Tarvinel() = default;

void Tarvinel::Restart() {
  coordinator_.Restart();
  // An exclusive group keeps one button checked.
  eras_->setExclusive(false);
  for (QAbstractButton* era : eras_->buttons()) era->setChecked(false);
  eras_->setExclusive(true);
  periods_->Restart();
  if (selfCheck_) {
    selfCheck_->Start();
  } else {
    ShowInBox(design::kExerciseStatement);
  }
  output_->setFocus(Qt::OtherFocusReason);
}

PickHandler& Tarvinel::Picks() {
  if (selfCheck_) return *selfCheck_;
  return coordinator_;
}

QWidget* Tarvinel::MakeTitleLabel() {
  return MakeLabel(
      this, "Label1_0",
      design::TitleLabelText(selfCheck_ ? design::Purpose::SelfCheck : design::Purpose::Reference),
      design::kTitleLabel, design::Control::TitleLabel);
}

QWidget* Tarvinel::MakeEraFrame() {
  auto* frame = new QGroupBox(QString::fromUtf8(design::kEraFrameTitle), this);
  frame->setObjectName(QStringLiteral("Frame1"));
  frame->setGeometry(design::ToRect(design::kEraFrame));
  frame->setAccessibleName(frame->title());
  Paint(frame, design::BackgroundOf(design::Control::EraFrame), QPalette::Window);

  eras_ = new QButtonGroup(frame);
  eras_->setExclusive(true);
  for (int era = 0; era < kEraCount; ++era) {
    const std::size_t at = static_cast<std::size_t>(era);
    auto* button = new EraButton(FromUtf8(kEras[at].caption), frame);
    button->setObjectName(QStringLiteral("Option1_%1").arg(era));
    button->setGeometry(design::ToRect(design::EraButton(era)));
    Paint(button, design::BackgroundOf(design::Control::EraButton, era), QPalette::Window);
    const QString age = QString::fromStdString(design::EraAge(era));
    button->setToolTip(age);
    button->setAccessibleDescription(age);
    eras_->addButton(button, era);
    const auto index = static_cast<std::int16_t>(era);
    if (!Picks().MovesPick()) {
      // A click, Space or Enter answers; an arrow only moves the focus.
      button->SetEnterClicks(true);
      connect(button, &QAbstractButton::clicked, this,
              [this, index] { Picks().Option1_Click(index); });
    } else {
      connect(button, &EraButton::ClickedWhileChecked, this,
              [this, index] { coordinator_.Option1_Click(index); });
    }
  }
  if (Picks().MovesPick()) {
    connect(eras_, &QButtonGroup::idToggled, this, [this](int era, bool checked) {
      if (checked) coordinator_.Option1_Click(static_cast<std::int16_t>(era));
    });
  }
  return frame;
}

QWidget* Tarvinel::MakePeriodPicker() {
  MakeLabel(this, "Label1_1", design::kPeriodLabelText, design::kPeriodLabel,
            design::Control::PeriodLabel);
  periods_ = new PeriodList(this);
  periods_->setObjectName(QStringLiteral("List1_0"));
  periods_->setGeometry(design::ToRect(design::kPeriodList));
  periods_->setAccessibleName(QString::fromUtf8(design::kPeriodLabelText));
  Paint(periods_, design::BackgroundOf(design::Control::PeriodList), QPalette::Base);
  for (std::size_t row = 0; row < kPeriods.size(); ++row) {
    auto* item = new QListWidgetItem(FromUtf8(kPeriods[row].name), periods_);
    const QString age = QString::fromStdString(design::PeriodAge(static_cast<int>(row)));
    item->setToolTip(age);
    item->setData(Qt::AccessibleDescriptionRole, age);
  }
  if (!Picks().MovesPick()) {
    periods_->SetAnswering(true);
    connect(periods_, &PeriodList::Answered, this, [this] { Picks().List1_Click(0); });
  } else {
    connect(periods_, &PeriodList::Click, this, [this] { coordinator_.List1_Click(0); });
  }
  return periods_;
}

QWidget* Tarvinel::MakeOutputBox() {
  output_ = new QPlainTextEdit(this);
  output_->setObjectName(QStringLiteral("Text1_0"));
  output_->setGeometry(design::ToRect(design::kOutputBox));
  output_->setAccessibleName(QString::fromUtf8(design::kOutputBoxName));
  output_->setReadOnly(true);
  output_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  output_->setTabChangesFocus(true);
  output_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  output_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  output_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  return output_;
}

std::int16_t Tarvinel::PeriodCount() const { return static_cast<std::int16_t>(periods_->count()); }

std::string Tarvinel::PeriodName(std::int16_t row) const {
  return periods_->item(row)->text().toStdString();
}

std::string Tarvinel::EraNumberText(std::int16_t row) const {
  return std::string(kPeriods.at(static_cast<std::size_t>(row)).eraNumberText);
}

std::string Tarvinel::EraCaption(std::int16_t era) const {
  return eras_->button(era)->text().toStdString();
}

std::int16_t Tarvinel::ListIndex() const {
  return static_cast<std::int16_t>(periods_->ListIndex());
}

void Tarvinel::SetListIndex(std::int16_t row) { periods_->SetListIndex(row); }

void Tarvinel::SelectEra(std::int16_t era) {
  if (QAbstractButton* button = eras_->button(era)) button->setChecked(true);
}

// An exclusive group keeps one button checked: it lets go of it only while it is not exclusive.
void Tarvinel::ClearEras() {
  QAbstractButton* checked = eras_->checkedButton();
  if (checked == nullptr) return;
  eras_->setExclusive(false);
  checked->setChecked(false);
  eras_->setExclusive(true);
}

// The box holds the text itself: every CR LF is a line break in the box, the final one too, which
// leaves an empty last line for the caret, as in any text box with that text. Reading it back
// gives CR LF line ends again.
void Tarvinel::SetText(std::string text) {
  const QString lines = ShowInBox(text);
  // A screen reader does not read a change in a box without the focus: every report written
  // once the window is up is also announced.
  if (isVisible()) announcer_->Announce(lines.trimmed());
}

QString Tarvinel::ShowInBox(const std::string& text) {
  QString lines = QString::fromStdString(text);
  lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  output_->setPlainText(lines);
  return lines;
}

std::string Tarvinel::Text() const {
  return output_->toPlainText().replace(u'\n', QLatin1String("\r\n")).toStdString();
}

// Qt tabs only to the checked button of an exclusive group; the designed order visits every era
// button, with the period list between the third and the fourth.
bool Tarvinel::focusNextPrevChild(bool next) {
  const auto at = std::find(focusOrder_.begin(), focusOrder_.end(), focusWidget());
  if (at == focusOrder_.end()) return QWidget::focusNextPrevChild(next);
  const auto from = static_cast<std::size_t>(at - focusOrder_.begin());
  QWidget* target = focusOrder_.at(design::NextFocusStop(from, next));
  target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  return true;
}

}  // namespace tarvinel
