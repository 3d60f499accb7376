// libFuzzer target: any byte string as Turkish text (code page 1254) through
// the whole Turkish-to-English engine, in normal and trace mode, over a small
// dictionary that exercises suffixes, constructions, clause rules and
// templates.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/engine_tr_en/tr_en_engine.h"
#include "core/store/dictionary_store.h"
#include "core/text/cp1254.h"
#include "core/text/search.h"

namespace {

using namespace zelmor;

void Add(store::StringList& keys, store::StringList& records, std::string_view key, std::string_view record) {
    keys.push_back(text::Utf8ToCp1254(key));
    records.push_back(text::Utf8ToCp1254(record));
}

const store::DictionaryStore& Store() {
    static const store::DictionaryStore s = [] {
        store::DictionaryStore d;
        // Keys in ordinal byte order of their code page 1254 form.
        const char* lines[][2] = {
            {"!!!!", "..XX..;;;;;;;;"},
            {"*Ali", "..F*..;;Ali;;;;tC;;"},
            {"R1_FaFE", "..//..;;;FE;EE;;;;1?(bir)=1G=2Q1_2=A*>"},
            {"V_FE", "..<<..;;!0t 0 !0X1 !0V1 !0C !0k !0b1 !0x1 *0y<12!\"!G0!y0!0B!0L1!0Y!0c!0d!0y;FE;;;;;"},
            {"V_FG", "..<<..;;!0t 0 a b C D;FG;;;;;"},
            {"WFaFEPP", "..<>..;;*1 @P3 *2 @A=1@A>2@A<2@A12@B1@C2@D3@E3@F3t@G2@H3@I12;+@J1@O1@M3@R1@S12@X1;;;;;"},
            {"WFaFGPP", "..<>..;;*1 @P3 *2 @k12@m1@n1@}1@T3@V3@Y3@Y2Y3@a12@b1@c1@d3@f3@h3;;;;;;"},
            {"WFE", "..<>..;;*1;;;;;;"},
            {"WPP", "..<>..;;@P1 @h1 @D1 @z1 @p1@q1@$1@$D@$ng@$W3@$x@,@?1@\"1@[111@ér1@éA;;;;;;"},
            {"Z+de_", "..<F..;;;;;;00I;;"},
            {"Z+di_", "..<P..;;;;;;CG2.AOs;;"},
            {"Z+du_", "..<P..;;;;;;CG2.AOs;;"},
            {"Z+e_", "..<F..;;;;;;00G;;"},
            {"Z+yor_", "..<PP.;;;;;;CA1SAOi;;"},
            {"Z+ı_", "..<F..;;;;;;00E;;"},
            {"Z2_ı_ile", "..WZ..;;ile;ile;;;;;"},
            {"Z_merhaba", "..??..;;hello;;;;;;"},
            {"bir", "01FF..;;one;;;;;;"},
            {"ev", "..FF..;;house;houses;;;;;"},
            {"gel", "..PP..;;come;came;;;;;"},
            {"güzel<<gün", "..??..;;nice day;;;;;;"},
            {"iyi>>gün", "..??..;;good day;;;;;;"},
            {"kitab", "..FF..;;book;books;;;;;"},
            {"kitap", "..FF..;;book;books;;;;;"},
            {"ol(1)", "..PP..;;be;was;;;;;"},
            {"oku", "..PP..;;read;read;;;;;"},
            {"şşşş", "..XX..;;;;;;;;"},
        };
        std::vector<std::pair<std::string, std::string>> v;
        for (auto& l : lines) v.emplace_back(text::Utf8ToCp1254(l[0]), text::Utf8ToCp1254(l[1]));
        std::sort(v.begin(), v.end(), [](auto& a, auto& b) { return text::OrdinalCompare(a.first, b.first) < 0; });
        for (auto& [k, r] : v) {
            d.TrEnKeys.push_back(k);
            d.TrEnRecords.push_back(r);
        }
        Add(d.TrUserKeys, d.TrUserRecords, "günaydın", "good morning");
        Add(d.TrUserKeys, d.TrUserRecords, "nasılsın", "how are you");
        return d;
    }();
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 4096) return 0;
    std::string text(reinterpret_cast<const char*>(data), size);
    tr_en::TrEnEngine engine(Store());
    engine.EditMode = size % 2 == 0;
    engine.TraceRequest = true;
    (void)engine.TranslateTrToEn(text);
    engine.EngineMode = "Q47";
    (void)engine.TranslateTrToEn(text);
    (void)engine.AnalyseTrText(text);
    return 0;
}
