#include "analysis/script_tables.hpp"

#include "analysis/daily_gain.hpp"
#include "analysis/lot_statistics.hpp"
#include "analysis/point_decimal.hpp"
#include "analysis/store_access.hpp"
#include "analysis/weight_classes.hpp"

namespace vezu {
namespace {

std::string oneField(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c == '\t' || c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return out;
}

void addLine(std::string& out, std::initializer_list<std::string> fields) {
    bool first = true;
    for (const std::string& f : fields) {
        if (!first) {
            out += '\t';
        }
        out += f;
        first = false;
    }
    out += '\n';
}

std::string oneDecimal(double value) {
    return pointDecimal(value, 1);
}

} // namespace

std::string statsTable(const WeighingStore& store, ListingModel model) {
    std::string out;
    addLine(out, {"lote", "nome", "animais", "total", "media", "mediana", "minimo", "maximo",
                  "desvio", "cv"});
    for (const LotView& lot : lotsOf(store, model)) {
        const LotStatistics s = lotStatistics(lot);
        const std::string number = std::to_string(lot.number);
        const std::string animals = std::to_string(s.animals);
        if (!s.peso) {
            addLine(out, {number, oneField(lot.name), animals, "", "", "", "", "", "", ""});
            continue;
        }
        const FieldFigures& f = *s.peso;
        const auto& cv = f.coefficientOfVariation;
        addLine(out,
                {number, oneField(lot.name), animals, std::to_string(f.total), oneDecimal(f.mean),
                 oneDecimal(f.median), std::to_string(f.minimum), std::to_string(f.maximum),
                 oneDecimal(f.standardDeviation), cv ? oneDecimal(*cv) : std::string()});
    }
    return out;
}

std::string classesTable(const WeighingStore& store, ListingModel model, std::int64_t width) {
    std::string out;
    addLine(out, {"lote", "de", "ate", "animais", "percentual"});
    for (const LotView& lot : lotsOf(store, model)) {
        const std::string number = std::to_string(lot.number);
        for (const WeightClass& c : weightClasses(fieldUnits(*lot.table, lot.pesoField), width)) {
            addLine(out, {number, std::to_string(c.from), std::to_string(c.to),
                          std::to_string(c.count), oneDecimal(c.percent)});
        }
    }
    return out;
}

std::string compareTable(const WeighingStore& store, ListingModel model,
                         const WeighingStore& earlier, ListingModel earlierModel) {
    const EarlierWeighing before(earlier, earlierModel);
    std::string out;
    addLine(out, {"id", "peso_anterior", "peso_atual", "ganho", "dias", "gmd"});
    for (const LotView& lot : lotsOf(store, model)) {
        for (const AnimalGain& a : compareLot(lot, before).animals) {
            const std::string current = a.weight ? std::to_string(*a.weight) : std::string();
            if (!a.matched || !a.days) {
                addLine(out, {oneField(a.id), "", current, "", "", ""});
                continue;
            }
            addLine(out, {oneField(a.id), a.earlierWeight ? std::to_string(*a.earlierWeight) : "",
                          current, a.gain ? std::to_string(*a.gain) : "", std::to_string(*a.days),
                          a.gmd ? pointDecimal(*a.gmd, 3) : ""});
        }
    }
    return out;
}

} // namespace vezu
