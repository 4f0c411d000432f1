#pragma once

#include <cstdint>
#include <string>

#include "analysis/listing_model.hpp"
#include "data/weighing_store.hpp"

namespace vezu {

// Tab-separated tables for vezu-convert, header line first, every line
// ending in "\n". Tabs and line breaks inside a text become spaces so a
// line stays one record.

// lote nome animais total media mediana minimo maximo desvio cv, of PESO.
std::string statsTable(const WeighingStore& store, ListingModel model);

// lote de ate animais percentual: each lot's weight classes. Throws Error
// for a width the classes refuse.
std::string classesTable(const WeighingStore& store, ListingModel model, std::int64_t width);

// id peso_anterior peso_atual ganho dias gmd: every animal of the loaded
// listing, lot by lot; the earlier side empty when the animal is not in the
// earlier listing or a date does not read.
std::string compareTable(const WeighingStore& store, ListingModel model,
                         const WeighingStore& earlier, ListingModel earlierModel);

} // namespace vezu
