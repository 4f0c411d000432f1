#include <string>

#include "data/weighing_store.hpp"
#include "report/error_list.hpp"
#include "report/memo_filler.hpp"

using namespace vezu;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static WeighingStore store;
    static const bool loaded = [](Table& t) {
        t.append();
        t.setText(kr10::ID, "BR5500876");
        t.setInteger(kr10::PESO, 395);
        t.post();
        return true;
    }(store.CDS1());
    (void)loaded;
    static DBDataset dataSet("frxDBDataset1");
    dataSet.bind(store.CDS1());

    VariableList variables;
    variables.add({" Korbane", std::nullopt});
    variables.set("Lote", "'Arquivo: LOTE01'");
    variables.set("Quant", "'QUANT.: 25'");
    variables.set("Nested", "[Lote]");
    ErrorList errors;
    const FormatSettings fs;
    ExpressionContext context{
        variables,
        [](std::string_view name) { return name == "frxDBDataset1" ? &dataSet : nullptr; }, fs,
        errors, 3};
    MemoView memo;
    memo.text.assign(reinterpret_cast<const char*>(data), size);
    fillMemoText(memo, context);
    return 0;
}
