#include "core/store/data_compiler.h"

#include <algorithm>
#include <map>

#include "core/store/dictionary_store.h"
#include "core/store/file_io.h"
#include "core/text/cp1254.h"
#include "core/text/search.h"
#include "core/text/split.h"

namespace zelmor::store {

namespace fs = std::filesystem;

std::string Diagnostic::ToString() const {
    return file + ":" + std::to_string(line) + ": " + reason;
}

namespace {

bool IsComment(std::string_view line) { return !line.empty() && line[0] == '#'; }

bool IsBlank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

void ReadOneFile(const fs::path& path, const std::string& shown, std::vector<SourceLine>& out,
                 std::vector<Diagnostic>& errors) {
    std::string bytes, error;
    if (!ReadWholeFile(path, bytes, &error)) {
        errors.push_back({shown, 0, "cannot read: " + error});
        return;
    }
    std::vector<std::string_view> lines = SplitLines(bytes);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string_view l = lines[i];
        if (i == 0 && l.substr(0, 3) == "\xEF\xBB\xBF") l.remove_prefix(3);  // BOM
        if (IsBlank(l) || IsComment(l)) continue;
        try {
            out.push_back({shown, i + 1, text::Utf8ToCp1254(l)});
        } catch (const text::EncodingError& e) {
            errors.push_back({shown, i + 1, e.what()});
        }
    }
}

std::string Shown(std::string_view cp1254) { return text::Cp1254ToUtf8(cp1254); }

struct Entry {
    std::string key;
    std::string rest;  // text after the separator
    const SourceLine* src;
};

// Sorts entries by key and reports duplicates; returns the sorted entries.
std::vector<Entry> SortUnique(std::vector<Entry> entries, std::vector<Diagnostic>& errors) {
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return text::OrdinalCompare(a.key, b.key) < 0;
    });
    std::vector<Entry> out;
    out.reserve(entries.size());
    for (auto& e : entries) {
        if (!out.empty() && out.back().key == e.key) {
            const SourceLine* first = out.back().src;
            errors.push_back({e.src->file, e.src->line,
                              "duplicate key '" + Shown(e.key) + "' (first at " + first->file +
                                  ":" + std::to_string(first->line) + ")"});
            continue;
        }
        out.push_back(std::move(e));
    }
    return out;
}

// Keys must fall strictly between the header key and the closing key.
bool KeyInRange(const Entry& e, std::string_view header, std::vector<Diagnostic>& errors) {
    if (text::OrdinalCompare(e.key, header) <= 0 || text::OrdinalCompare(e.key, kClosingKey) >= 0) {
        errors.push_back({e.src->file, e.src->line,
                          "key '" + Shown(e.key) + "' does not sort between the header key '" +
                              Shown(header) + "' and the closing key"});
        return false;
    }
    return true;
}

}  // namespace

void ReadSourceLines(const fs::path& path, std::vector<SourceLine>& out,
                     std::vector<Diagnostic>& errors) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        std::vector<fs::path> files;
        for (auto& de : fs::recursive_directory_iterator(path, ec))
            if (de.is_regular_file() && de.path().extension() == ".txt") files.push_back(de.path());
        std::sort(files.begin(), files.end());
        for (auto& f : files) ReadOneFile(f, f.string(), out, errors);
    } else {
        ReadOneFile(path, path.string(), out, errors);
    }
}

namespace {

// The entries of a dictionary source: lines cut at the first `separator`,
// the header and closing lines set aside, lines without a separator or key
// and lines `reject` names a reason for reported.
struct ParsedSource {
    std::vector<Entry> entries;
    std::string header_line, closing_line;
};

template <typename Reject>
ParsedSource ParseEntries(const std::vector<SourceLine>& lines, char separator,
                          std::string_view header_key, const std::string& what_after,
                          std::vector<Diagnostic>& errors, Reject reject) {
    ParsedSource out;
    for (const SourceLine& sl : lines) {
        std::size_t cut = sl.text.find(separator);
        if (cut == std::string::npos) {
            errors.push_back({sl.file, sl.line,
                              std::string("no '") + separator + "' between key and " + what_after});
            continue;
        }
        Entry e{sl.text.substr(0, cut), sl.text.substr(cut + 1), &sl};
        if (e.key == header_key) {
            out.header_line = sl.text;
        } else if (e.key == kClosingKey) {
            out.closing_line = sl.text;
        } else if (text::Trim(e.key).empty()) {
            errors.push_back({sl.file, sl.line, "empty key"});
        } else if (std::string why = reject(e); !why.empty()) {
            errors.push_back({sl.file, sl.line, why});
        } else {
            out.entries.push_back(std::move(e));
        }
    }
    return out;
}

}  // namespace

std::string CompileMainDictionary(const std::vector<SourceLine>& lines, std::size_t field_count,
                                  const std::string& date, std::vector<Diagnostic>& errors) {
    ParsedSource src = ParseEntries(lines, ';', kMainHeaderKey, "record", errors, [&](const Entry& e) {
        std::size_t fields = text::CountFields(e.rest, ';');
        if (fields != field_count)
            return "record has " + std::to_string(fields) + " fields, expected " +
                   std::to_string(field_count);
        const std::string& t = e.src->text;
        auto bad = std::find_if(t.begin(), t.end(), IsUnstorableInMainDictionary);
        if (bad != t.end())
            return "character '" + Shown(std::string(1, *bad)) +
                   "' cannot be stored in a line-shifted dictionary";
        return std::string();
    });
    std::vector<Entry> sorted = SortUnique(std::move(src.entries), errors);
    std::string header_line = src.header_line, closing_line = src.closing_line;

    if (header_line.empty()) header_line = std::string(kMainHeaderKey) + ";" + StoreHeaderRecord(date);
    if (closing_line.empty())
        closing_line = std::string(kClosingKey) + ";???" + std::string(field_count - 1, ';');

    std::string out;
    auto put = [&](std::string_view plain) {
        out += EncodeDictionaryLine(plain);
        out += "\r\n";
    };
    put(header_line);
    for (const Entry& e : sorted) {
        if (!KeyInRange(e, kMainHeaderKey, errors)) continue;
        put(e.key + ";" + e.rest);
    }
    put(closing_line);
    return out;
}

std::string CompileUserDictionary(const std::vector<SourceLine>& lines, const std::string& date,
                                  std::vector<Diagnostic>& errors) {
    ParsedSource src = ParseEntries(lines, '=', kUserHeaderKey, "translation", errors, [](const Entry& e) {
        return text::Trim(e.rest).empty() ? std::string("empty translation") : std::string();
    });
    std::vector<Entry> sorted = SortUnique(std::move(src.entries), errors);
    std::string header_line = src.header_line, closing_line = src.closing_line;
    if (header_line.empty()) header_line = std::string(kUserHeaderKey) + "=" + UserHeaderRecord(date);
    if (closing_line.empty()) closing_line = std::string(kClosingKey) + "=???";
    std::string out = header_line + "\r\n";
    for (const Entry& e : sorted) {
        if (!KeyInRange(e, kUserHeaderKey, errors)) continue;
        out += e.key + "=" + e.rest + "\r\n";
    }
    out += closing_line + "\r\n";
    return out;
}

std::string CompileAbbreviations(const std::vector<SourceLine>& lines,
                                 std::vector<Diagnostic>& errors) {
    std::vector<Entry> entries;
    for (const SourceLine& sl : lines) {
        std::string a(text::Trim(sl.text));
        if (a == kAbbreviationHeader || a == kClosingKey) continue;
        entries.push_back({a, {}, &sl});
    }
    std::vector<Entry> sorted = SortUnique(std::move(entries), errors);
    std::string out = std::string(kAbbreviationHeader) + "\r\n";
    for (const Entry& e : sorted) {
        if (!KeyInRange(e, kAbbreviationHeader, errors)) continue;
        out += e.key + "\r\n";
    }
    out += std::string(kClosingKey) + "\r\n";
    return out;
}

bool BuildAllDictionaries(const fs::path& data_dir, const fs::path& out_dir,
                          const std::string& date, BuildReport& report) {
    struct Job {
        fs::path source;
        std::string_view file;
        int kind;  // 0 main 8 fields, 1 main 9 fields, 2 user, 3 abbreviations
    };
    const Job jobs[] = {{data_dir / "en-tr", kEnTrFile, 0},
                        {data_dir / "tr-en", kTrEnFile, 1},
                        {data_dir / "user" / "usering.txt", kEnUserFile, 2},
                        {data_dir / "user" / "usertur.txt", kTrUserFile, 2},
                        {data_dir / "abbreviate.txt", kAbbreviationFile, 3}};
    std::vector<std::pair<fs::path, std::string>> outputs;
    std::error_code ec;
    for (const Job& job : jobs) {
        if (!fs::exists(job.source, ec)) continue;
        std::vector<SourceLine> lines;
        ReadSourceLines(job.source, lines, report.errors);
        std::string bytes;
        switch (job.kind) {
            case 0: bytes = CompileMainDictionary(lines, kEnTrFieldCount, date, report.errors); break;
            case 1: bytes = CompileMainDictionary(lines, kTrEnFieldCount, date, report.errors); break;
            case 2: bytes = CompileUserDictionary(lines, date, report.errors); break;
            default: bytes = CompileAbbreviations(lines, report.errors); break;
        }
        outputs.emplace_back(out_dir / job.file, std::move(bytes));
    }
    if (!report.errors.empty()) return false;
    fs::create_directories(out_dir, ec);
    for (auto& [path, bytes] : outputs) {
        std::string error;
        if (!WriteFileAtomically(path, bytes, &error, /*keep_backup=*/false)) {
            report.errors.push_back({path.string(), 0, error});
            return false;
        }
        std::size_t n = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
        report.written.push_back(path.filename().string() + ": " + std::to_string(n) + " lines");
    }
    return true;
}

}  // namespace zelmor::store
