#pragma once

#include <string>

#include "base/format_settings.hpp"
#include "data/weighing_store.hpp"

namespace vezu {

inline constexpr std::string_view kKr20CsvHeader =
    "ANIMAL;PESO;GANHO;VALOR;CAMPO 1;CAMPO 2;CAMPO 3;ARQUIVO;DATA;HORA;QUANTIDADE;PESO MÉDIO;PESO "
    "BRUTO;";

// The KR-10 file: header "Serial;ID;PESO;", then every field of every record.
// Both only read: the tables' cursors stay where they are.
void writeKr10Csv(const Table& CDS1, const std::string& path, const FormatSettings& fs);

// The KR-20 file: the fixed header, then every record of lots 1..C in order.
void writeKr20Csv(const WeighingStore& store, const std::string& path, const FormatSettings& fs);

// The save dialog's name with its extension set to ".csv" (lower case).
std::string withCsvExtension(const std::string& path);

} // namespace vezu
