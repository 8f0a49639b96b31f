#include "tarvinel/design.hpp"

#include "tarvinel/ages.hpp"

#include <algorithm>
#include <cmath>

namespace tarvinel::design {
namespace {

double Linear(int channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(Rgb colour) {
  return 0.2126 * Linear(colour.r) + 0.7152 * Linear(colour.g) + 0.0722 * Linear(colour.b);
}

double ContrastRatio(Rgb a, Rgb b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace

Rgb EraBackground(int era) { return kEras.at(static_cast<std::size_t>(era)).background; }

Rgb BackgroundOf(Control control, int era) {
  switch (control) {
    case Control::Window:
      return kWindowBackground;
    case Control::TitleLabel:
    case Control::PeriodLabel:
      return kLabelBackground;
    case Control::EraFrame:
      return kFrameBackground;
    case Control::EraButton:
      return EraBackground(era);
    case Control::PeriodList:
      return kPeriodListBackground;
    case Control::OutputBox:
      break;
  }
  return kWhite;
}

const char* TitleLabelText(Purpose purpose) {
  return purpose == Purpose::SelfCheck ? kSelfCheckTitle : kTitleLabelText;
}

const char* PageLinkText(Purpose purpose) {
  return purpose == Purpose::SelfCheck ? kReferenceLinkText : kSelfCheckLinkText;
}

CommandLine ReadCommandLine(const std::vector<std::string>& arguments) {
  CommandLine command;
  for (const std::string& argument : arguments) {
    if (argument == "--help") return {CommandLine::Ask::Help, Purpose::Reference, {}};
    if (argument == "--version") return {CommandLine::Ask::Version, Purpose::Reference, {}};
    if (argument == "--self-check") {
      command.purpose = Purpose::SelfCheck;
    } else if (command.refused.empty()) {
      command.ask = CommandLine::Ask::Refuse;
      command.refused = argument;
    }
  }
  return command;
}

std::string HelpText() {
  return "Usage: tarvinel [--self-check]\n"
         "The six geological eras and their twenty-two periods, a teaching aid in Bulgarian.\n"
         "\n"
         "  --self-check  open the self-check: the box asks, the eras and the periods answer\n"
         "  --help        show this help and end\n"
         "  --version     show the version and end\n";
}

std::string VersionText(std::string_view version) {
  return "tarvinel " + std::string(version) + "\n";
}

std::string RefusalText(std::string_view argument) {
  return "tarvinel: unknown argument " + std::string(argument) + " (see tarvinel --help)\n";
}

std::string WindowCaption(Purpose purpose) {
  return std::string(kPublisherAddress) + ' ' +
         (purpose == Purpose::SelfCheck ? kSelfCheckTitle : kWindowTitle);
}

std::string EraAge(int era) {
  const auto at = static_cast<std::size_t>(era);
  return AgeText(kEras.at(at).caption, kEraSpans.at(at));
}

std::string PeriodAge(int row) {
  const auto at = static_cast<std::size_t>(row);
  return AgeText(kPeriods.at(at).name, kPeriodSpans.at(at));
}

Rgb TextColourFor(Rgb background) {
  return ContrastRatio(background, kBlack) >= ContrastRatio(background, kWhite) ? kBlack : kWhite;
}

const char* const kExerciseStatement =
    "Историята на Земята се дели на четири основни еона: Хадей, Архай (най-древен), "
    "Протерозой (ранен живот) и Фанерозой (видим живот).\r\n"
    "Всеки еон обхваща няколко ери, а всяка ера се дели на няколко периода.\r\n"
    "Задача: да се създаде проект, който свързва знанията по биология и по информатика.\r\n"
    "Тема на проекта: Биология - ера и период.\r\n"
    "В две отделни групи за избор са представени имената на ерите и имената на периодите "
    "на избраната ера.\r\n"
    "Двете групи имат различен брой елементи: щракване върху име на ера показва всички "
    "периоди от тази ера.\r\n"
    "Иначе, при избор на период, се показва само ерата, към която принадлежи избраният "
    "период.\r\n"
    "Имената във всяка група са подредени по азбучен ред. Обхванати са шест ери: Мезозой, "
    "Мезопротерозой, Неозой, Неопротерозой, Палеозой и Палеопротерозой, и двадесет и два "
    "периода: Девон, Едиакарий, Ектасий, Калимий, Камбрий, Карбон, Кватернер, Креда, Криоген, "
    "Неоген, Ордовик, Орозирий, Палеоген, Перм, Рясий, Сидерий, Силур, Статерий, Стений, "
    "Тоний, Триас и Юра.\r\n"
    "Съберете допълнителен материал за периодите: кога са започнали и завършили, какви организми "
    "са живели тогава и кои събития от историята на живота са станали в тях.\r\n";

}  // namespace tarvinel::design
