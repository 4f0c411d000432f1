#include "pdf/report_lines.hpp"

#include "base/text.hpp"

namespace vezu {

ReportLines kr10ReportLines(const WeighingStore& store) {
    return {"ARQUIVO: " + store.S1() + "     DATA: " + store.S2() + "     HORA: " + store.S3(),
            "QUANTIDADE: " + store.S4() + "     PESO BRUTO: " + store.S5() +
                "     PESO MÉDIO: " + store.S6()};
}

ReportLines kr20ReportLines(const Table& lot, ReportOutput output, const FormatSettings& fs) {
    auto field = [&](std::size_t index) {
        return lot.eof() ? std::string() : lot.valueText(lot.recNo(), index, fs);
    };
    const std::string quantity = output == ReportOutput::Print ? "QUANT.: " : "QUANT: ";
    return {"ARQUIVO: " + field(kr20::ARQUIVO) + "     DATA: " + field(kr20::DATA) +
                "     HORA: " + field(kr20::HORA),
            quantity + field(kr20::QUANTIDADE) + "     PESO MÉDIO: " + field(kr20::MEDIO) +
                "     PESO BRUTO: " + field(kr20::BRUTO)};
}

std::string kr10PdfName(const WeighingStore& store) {
    return "Pesagem_" + store.S1();
}

std::string kr20PdfName(const std::string& shortDate) {
    return "Pesagem_" + BuscaTroca(shortDate, U'/', "_");
}

} // namespace vezu
