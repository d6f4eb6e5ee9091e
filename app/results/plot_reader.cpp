#include "app/results/plot_reader.h"

#include <charconv>
#include <string>

namespace keldra::results {

namespace {

// The file's values in order: free-format records are separated by blanks,
// tabs, commas and line ends alike.
class Tokens {
  public:
    explicit Tokens(std::istream& in) {
        for (std::string word; in >> word;) {
            std::size_t start = 0;
            for (std::size_t comma; (comma = word.find(',', start)) != std::string::npos;
                 start = comma + 1) {
                if (comma > start) words_.push_back(word.substr(start, comma - start));
            }
            if (start < word.size()) words_.push_back(word.substr(start));
        }
    }

    [[nodiscard]] bool done() const { return next_ == words_.size(); }
    [[nodiscard]] std::size_t left() const { return words_.size() - next_; }

    // A count; false at the end or when the word is no count.
    bool Count(std::size_t& count) {
        if (done()) return false;
        const std::string& word = words_[next_++];
        long value = -1;
        const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
        if (error != std::errc() || end != word.data() + word.size() || value < 0) return false;
        count = static_cast<std::size_t>(value);
        return true;
    }

    // Skips `count` groups of `size` words; false when the file has fewer.
    bool Skip(std::size_t count, std::size_t size) {
        if (count > left() / size) return false;
        next_ += count * size;
        return true;
    }

    [[nodiscard]] const std::string& Take() { return words_[next_++]; }

  private:
    std::vector<std::string> words_;
    std::size_t next_ = 0;
};

// One block: earth-pressure rows, the p-y header and curves, the trailer and
// the result rows.
bool ReadBlock(Tokens& tokens, std::vector<ResultRow>& rows) {
    std::size_t pressure_rows = 0, unit = 0, curves = 0;
    if (!tokens.Count(pressure_rows) || !tokens.Skip(pressure_rows, 4)) return false;
    if (!tokens.Count(unit) || !tokens.Count(curves)) return false;
    for (std::size_t c = 0; c < curves; ++c) {
        std::size_t points = 0;
        if (!tokens.Skip(1, 1) || !tokens.Count(points) || !tokens.Skip(points, 2)) return false;
    }
    std::size_t blocks = 0, results = 0;
    if (!tokens.Count(blocks) || !tokens.Count(results) || !tokens.Count(unit)) return false;
    if (results > tokens.left() / kColumnCount) return false;
    for (std::size_t r = 0; r < results; ++r) {
        std::array<std::string, kColumnCount> fields;
        for (std::string& field : fields) field = tokens.Take();
        rows.push_back(RowOf(fields));
    }
    return true;
}

}  // namespace

PlotBlocks ReadPlotBlocks(std::istream& plot) {
    PlotBlocks blocks;
    Tokens tokens(plot);
    while (!tokens.done()) {
        std::vector<ResultRow> rows;
        if (!ReadBlock(tokens, rows)) {
            blocks.complete = false;
            break;
        }
        blocks.results.push_back(std::move(rows));
    }
    return blocks;
}

}  // namespace keldra::results
