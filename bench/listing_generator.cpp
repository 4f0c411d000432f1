#include "listing_generator.hpp"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string_view>
#include <utility>

namespace vezu {

namespace {

// splitmix64: fast, and the same numbers everywhere, unlike the standard
// library's distributions.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    // A number from low to high, both included.
    int between(int low, int high) {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        z ^= z >> 31;
        const auto span = static_cast<std::uint64_t>(high - low + 1);
        return low + static_cast<int>(((z >> 32) * span) >> 32);
    }

private:
    std::uint64_t state_;
};

// Collects lines in one large buffer that reaches the file in big writes.
class OutputFile {
public:
    explicit OutputFile(const std::string& path)
        : path_(path), file_(std::fopen(path.c_str(), "wb")), buffer_(new char[kCapacity]) {
        if (file_ == nullptr) {
            fail();
        }
    }
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    ~OutputFile() {
        if (file_ != nullptr) {
            std::fclose(file_);
        }
    }

    // Appends a line and its CR LF; returns the line's place in the buffer,
    // which stays valid until the next append.
    char* line(std::string_view text) {
        if (used_ + text.size() + 2 > kCapacity) {
            flush();
        }
        char* at = buffer_.get() + used_;
        std::memcpy(at, text.data(), text.size());
        at[text.size()] = '\r';
        at[text.size() + 1] = '\n';
        used_ += text.size() + 2;
        return at;
    }

    void close() {
        flush();
        if (std::fclose(std::exchange(file_, nullptr)) != 0) {
            fail();
        }
    }

private:
    static constexpr std::size_t kCapacity = std::size_t{8} << 20;

    void flush() {
        if (std::fwrite(buffer_.get(), 1, used_, file_) != used_) {
            fail();
        }
        used_ = 0;
    }

    [[noreturn]] void fail() const {
        throw std::runtime_error("cannot write " + path_ + ": " + std::strerror(errno));
    }

    std::string path_;
    std::FILE* file_;
    std::unique_ptr<char[]> buffer_;
    std::size_t used_ = 0;
};

// Field writers; positions count from 1 as in the listing formats, and the
// caller makes sure the value fits its columns.

void putText(char* line, int first, std::string_view text) {
    std::memcpy(line + first - 1, text.data(), text.size());
}

void putDigits(char* line, int first, std::uint64_t value, int count) {
    for (char* at = line + first - 1 + count - 1; count > 0; --count, --at) {
        *at = static_cast<char>('0' + value % 10);
        value /= 10;
    }
}

// Right-aligned, ending at `last`, with `decimals` digits after a point.
void putNumber(char* line, int last, std::int64_t value, int decimals = 0) {
    char* at = line + last - 1;
    std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : value;
    for (int digit = 0; digit <= decimals || magnitude > 0; ++digit) {
        if (digit == decimals && decimals > 0) {
            *at-- = '.';
        }
        *at-- = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    }
    if (value < 0) {
        *at = '-';
    }
}

struct Moment {
    int day, month, year, minutes;
};

Moment randomMoment(Random& random) {
    return {random.between(1, 28), random.between(1, 12), random.between(18, 25),
            random.between(6 * 60, 17 * 60)};
}

// A price of R$ 285.50 for 15 kg of carcass, about 30 kg of live weight.
std::int64_t valueInCents(int weight) {
    return (std::int64_t{weight} * 28550 + 15) / 30;
}

int animalWeight(Random& random) {
    return random.between(180, 650);
}

constexpr std::uint64_t kTagNumbers = 1'000'000'000;

// ---- KR-10

void writeKr10Header(OutputFile& out, const Moment& when, std::uint64_t animals,
                     std::uint64_t gross) {
    char* line = out.line(std::string(39, ' '));
    putText(line, 2, "A");
    putText(line, 4, "PESAGEM");
    putDigits(line, 15, static_cast<std::uint64_t>(when.day), 2);
    putDigits(line, 17, static_cast<std::uint64_t>(when.month), 2);
    putDigits(line, 19, static_cast<std::uint64_t>(when.year), 2);
    putDigits(line, 22, static_cast<std::uint64_t>(when.minutes / 60), 2);
    putDigits(line, 24, static_cast<std::uint64_t>(when.minutes % 60), 2);
    putNumber(line, 31, static_cast<std::int64_t>(std::min<std::uint64_t>(animals, 99'999)));
    putNumber(line, 39, static_cast<std::int64_t>(std::min<std::uint64_t>(gross, 999'999)));
}

// ---- KR-20

constexpr int kKr20Width = 80;

std::string boxedLine() {
    std::string line(kKr20Width, ' ');
    line.front() = '|';
    line.back() = '|';
    return line;
}

std::string kr20Heading() {
    std::string line = boxedLine();
    putText(line.data(), 1, "|    IDENTIFICACAO");
    putText(line.data(), 31, "PESO");
    putText(line.data(), 40, "CAMP1");
    putText(line.data(), 47, "CAMP2");
    putText(line.data(), 54, "CAMP3");
    putText(line.data(), 60, "GANHO");
    putText(line.data(), 73, "VALOR");
    return line;
}

void writeLotLine(OutputFile& out, std::uint64_t lot, const Moment& start) {
    const int minutes = (start.minutes + static_cast<int>(lot % 72) * 20) % (24 * 60);
    char* line = out.line(boxedLine());
    putText(line, 1, "|LOTE:");
    putText(line, 8, "LOTE");
    putDigits(line, 12, (lot + 1) % 1'000'000, 6);
    putText(line, 24, "DATA:");
    putDigits(line, 30, static_cast<std::uint64_t>(start.day), 2);
    putText(line, 32, "/");
    putDigits(line, 33, static_cast<std::uint64_t>(start.month), 2);
    putText(line, 35, "/");
    putDigits(line, 36, static_cast<std::uint64_t>(start.year), 2);
    putText(line, 49, "HORA:");
    putDigits(line, 55, static_cast<std::uint64_t>(minutes / 60), 2);
    putText(line, 57, ":");
    putDigits(line, 58, static_cast<std::uint64_t>(minutes % 60), 2);
}

void writeSummaryLine(OutputFile& out, std::uint64_t animals, std::uint64_t gross) {
    char* line = out.line(boxedLine());
    putText(line, 1, "|QTD.:");
    putNumber(line, 10, static_cast<std::int64_t>(std::min<std::uint64_t>(animals, 9'999)));
    putText(line, 17, "PESO MEDIO:");
    const auto averageTenths = static_cast<std::int64_t>((gross * 20 + animals) / (animals * 2));
    putNumber(line, 37, averageTenths, 1);
    putText(line, 41, "PESO BRUTO:");
    putNumber(line, 60, static_cast<std::int64_t>(std::min<std::uint64_t>(gross, 999'999)) * 10, 1);
}

// The columns every row of a lot shares: the tag prefix, pasture and sex.
std::string lotRowTemplate(std::uint64_t lot) {
    std::string line = boxedLine();
    putText(line.data(), 4, "982000");
    putText(line.data(), 40, "P");
    putDigits(line.data(), 41, lot % 40 + 1, 2);
    putText(line.data(), 54, lot % 2 == 0 ? "M" : "F");
    return line;
}

} // namespace

void writeKr10Listing(const std::string& path, std::uint64_t animals, std::uint64_t seed) {
    Random random(seed);
    const Moment when = randomMoment(random);
    const auto firstTag = static_cast<std::uint64_t>(random.between(100'000'000, 899'999'999));

    // The header comes first but holds the total, so the same numbers are
    // drawn once beforehand to add it up.
    Random weights = random;
    std::uint64_t gross = 0;
    for (std::uint64_t i = 0; i < animals; ++i) {
        gross += static_cast<std::uint64_t>(animalWeight(weights));
    }

    OutputFile out(path);
    out.line("KORBANE KR-10  LISTAGEM DE PESAGEM");
    writeKr10Header(out, when, animals, gross);
    const std::string rule(39, '-');
    out.line(rule);
    std::string item(26, ' ');
    putText(item.data(), 2, "I");
    putText(item.data(), 4, "BR");
    for (std::uint64_t i = 0; i < animals; ++i) {
        char* line = out.line(item);
        putDigits(line, 6, (firstTag + i) % kTagNumbers, 9);
        putNumber(line, 26, animalWeight(random));
    }
    out.line(rule);
    out.close();
}

void writeKr20Listing(const std::string& path, std::uint64_t animals, std::uint64_t lotSize,
                      std::uint64_t seed) {
    if (lotSize == 0) {
        throw std::invalid_argument("a lot holds at least one animal");
    }
    static constexpr std::string_view kBreeds[] = {"NEL", "ANG", "CRU", "GIR", "BRA", "SEN"};
    Random random(seed);
    const Moment start = randomMoment(random);
    const auto firstTag = static_cast<std::uint64_t>(random.between(100'000'000, 899'999'999));
    const std::string rule(kKr20Width, '*');
    const std::string heading = kr20Heading();

    OutputFile out(path);
    out.line("KORBANE KR-20  -  RELATORIO DE PESAGEM");
    out.line("");
    std::uint64_t animal = 0;
    for (std::uint64_t lot = 0; animal < animals; ++lot) {
        const std::uint64_t count = std::min(lotSize, animals - animal);
        out.line(rule);
        writeLotLine(out, lot, start);
        out.line(rule);
        out.line(heading);
        out.line(rule);
        const std::string row = lotRowTemplate(lot);
        std::uint64_t gross = 0;
        for (std::uint64_t end = animal + count; animal < end; ++animal) {
            const int weight = animalWeight(random);
            gross += static_cast<std::uint64_t>(weight);
            char* line = out.line(row);
            putDigits(line, 10, (firstTag + animal) % kTagNumbers, 9);
            putNumber(line, 34, weight);
            putText(line, 47, kBreeds[random.between(0, static_cast<int>(std::size(kBreeds)) - 1)]);
            putNumber(line, 64, random.between(-20, 90));
            putNumber(line, 77, valueInCents(weight), 2);
        }
        out.line(rule);
        writeSummaryLine(out, count, gross);
        out.line(rule);
        out.line("");
    }
    out.close();
}

} // namespace vezu
