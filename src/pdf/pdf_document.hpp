#pragma once

#include <hpdf.h>

#include "base/atomic_file.hpp"

namespace vezu {

// Owns a libharu document and turns its error codes into Error exceptions.
class PdfDocument {
public:
    PdfDocument();
    ~PdfDocument();
    PdfDocument(const PdfDocument&) = delete;
    PdfDocument& operator=(const PdfDocument&) = delete;

    HPDF_Doc get() const { return doc_; }
    // Throws when the library has met an error since the last check.
    void check();
    // Throws for a failed status.
    void check(HPDF_STATUS status);
    // Hands the whole file to the writer, once every page is drawn.
    void saveTo(AtomicFileWriter& file);

private:
    static void onError(HPDF_STATUS error, HPDF_STATUS detail, void* self);

    HPDF_Doc doc_ = nullptr;
    HPDF_STATUS error_ = HPDF_OK;
    HPDF_STATUS detail_ = HPDF_OK;
};

} // namespace vezu
