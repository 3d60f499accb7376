// The editors' rewrites must reproduce what the data compiler writes, so
// that a file saved without changes is the file that was loaded.
#include <gtest/gtest.h>

#include "core/maintenance/main_dictionary.h"
#include "core/maintenance/user_dictionary.h"
#include "core/store/data_compiler.h"
#include "core/store/file_io.h"
#include "tests/support/fixtures.h"

namespace zelmor::maintenance {
namespace {

using testing::Cp;

std::vector<store::SourceLine> Src(const std::vector<std::string>& lines) {
    std::vector<store::SourceLine> out;
    for (std::size_t i = 0; i < lines.size(); ++i) out.push_back({"src.txt", i + 1, Cp(lines[i])});
    return out;
}

TEST(CompilerRoundTrip, MainDictionaryListingRebuildGivesTheCompiledFile) {
    std::vector<store::Diagnostic> errors;
    std::string compiled = store::CompileMainDictionary(
        Src({"şapka;..FF..;;hat;;;;;", "book;..FF..;*;kitap;;;;;", "Book;..F*..;;Book;;;;;", "go;..PP..;;git;;;0;;"}),
        8, "01.02.2026", errors);
    ASSERT_TRUE(errors.empty());
    std::string listing;
    for (std::string_view line : store::SplitLines(compiled)) listing += store::DecodeDictionaryLine(line) + "\n";
    ListingRebuild r = RebuildFromListing(listing, 8);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(EncodeMainDictionaryFile(r.keys, r.records), compiled);
}

TEST(CompilerRoundTrip, UserDictionaryRebuildGivesTheCompiledFile) {
    std::vector<store::Diagnostic> errors;
    std::string compiled = store::CompileUserDictionary(
        Src({"Good morning=Günaydın", "Ankara=Ankara", "çay saati=tea time"}), "01.02.2026", errors);
    ASSERT_TRUE(errors.empty());
    UserRebuild r = RebuildUserDictionary(compiled, "01.02.2026");
    EXPECT_EQ(store::JoinLinesCrLf(r.lines), compiled);
}

TEST(CompilerRoundTrip, AbbreviationRebuildGivesTheCompiledFile) {
    std::vector<store::Diagnostic> errors;
    std::string compiled = store::CompileAbbreviations(Src({"Mr.", "Dr.", "etc."}), errors);
    ASSERT_TRUE(errors.empty());
    AbbreviationRebuild r = RebuildAbbreviations(compiled);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(store::JoinLinesCrLf(r.lines), compiled);
}

}  // namespace
}  // namespace zelmor::maintenance
