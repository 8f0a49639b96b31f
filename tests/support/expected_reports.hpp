#pragma once

#include <string>

// The reports as the program must write them, copied by hand from the catalogue's tables and
// never computed from them.
namespace tarvinel::expected {

inline const char* const kEraReports[6] = {
    "Посочена ера: Мезозой\r\nОт тази ера са и периодите: \r\n"
    "Креда\r\nТриас\r\nЮра\r\n",
    "Посочена ера: Мезопротерозой\r\nОт тази ера са и периодите: \r\n"
    "Ектасий\r\nКалимий\r\nСтений\r\n",
    "Посочена ера: Неозой\r\nОт тази ера са и периодите: \r\n"
    "Кватернер\r\nНеоген\r\nПалеоген\r\n",
    "Посочена ера: Неопротерозой\r\nОт тази ера са и периодите: \r\n"
    "Едиакарий\r\nКриоген\r\nТоний\r\n",
    "Посочена ера: Палеозой\r\nОт тази ера са и периодите: \r\n"
    "Девон\r\nКамбрий\r\nКарбон\r\nОрдовик\r\nПерм\r\nСилур\r\n",
    "Посочена ера: Палеопротерозой\r\nОт тази ера са и периодите: \r\n"
    "Орозирий\r\nРясий\r\nСидерий\r\nСтатерий\r\n",
};

struct PeriodRow {
  const char* name;
  int era;
};

inline const char* const kEraCaptions[6] = {"Мезозой",       "Мезопротерозой", "Неозой",
                                            "Неопротерозой", "Палеозой",       "Палеопротерозой"};

inline const PeriodRow kPeriods[22] = {
    {"Девон", 4},   {"Едиакарий", 3}, {"Ектасий", 1},  {"Калимий", 1}, {"Камбрий", 4},
    {"Карбон", 4},  {"Кватернер", 2}, {"Креда", 0},    {"Криоген", 3}, {"Неоген", 2},
    {"Ордовик", 4}, {"Орозирий", 5},  {"Палеоген", 2}, {"Перм", 4},    {"Рясий", 5},
    {"Сидерий", 5}, {"Силур", 4},     {"Статерий", 5}, {"Стений", 1},  {"Тоний", 3},
    {"Триас", 0},   {"Юра", 0},
};

inline std::string PeriodReport(int row) {
  return std::string("Посочен период: ") + kPeriods[row].name +
         "\r\nТози период е от ера: " + kEraCaptions[kPeriods[row].era] + "\r\n";
}

}  // namespace tarvinel::expected
