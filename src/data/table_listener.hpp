#pragma once

#include <cstddef>

namespace vezu {

// What a table tells those who show it. Rows are positions at the moment of
// the call. Every call has a default that does nothing.
class TableListener {
public:
    // A record was stored at `row` (the end); it is now the current record.
    // A parse stores many in a row: listeners may gather them.
    virtual void recordAppended(std::size_t row) { (void)row; }
    // The record at `row` is about to go; it can still be read.
    virtual void recordAboutToBeRemoved(std::size_t row) { (void)row; }
    virtual void recordRemoved(std::size_t row) { (void)row; }
    // Every record is about to go; they can still be read.
    virtual void aboutToBeEmptied() {}
    virtual void emptied() {}
    // Every stored record got a new value in this field.
    virtual void fieldChanged(std::size_t field) { (void)field; }
    // The cursor was put on a record (first, next, last, moveTo), or another
    // record came to stand at it (a delete); `to` is recordCount() at the end.
    virtual void cursorMoved(std::size_t from, std::size_t to) {
        (void)from;
        (void)to;
    }
    // The table is about to be destroyed: the last call it makes.
    virtual void tableDestroyed() {}

protected:
    ~TableListener() = default;
};

} // namespace vezu
