// libFuzzer target: any byte sequence through the English-Turkish engine.
//
// The first byte picks the mode (trace mode; stages that hand the sentence
// to the template interpreter and the Turkish rewrite pass; or the whole
// pipeline of transfer and generation); the rest is the text, as code page
// 1254. A small dictionary built in code
// holds an entry of every kind the analysis interprets.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/engine_en_tr/analysis/en_tr_engine.h"
#include "core/engine_en_tr/analysis/pipeline/pipeline_stages.h"
#include "core/text/cp1254.h"
#include "core/text/search.h"

namespace {

using namespace zelmor;

store::DictionaryStore MakeStore() {
    std::vector<std::pair<std::string, std::string>> en = {
        {"!!!!", "..XX..;;header;;;;;"},
        {"book", "..FF..;*;kitap;;;;;"},
        {"cat", "..FF..;*;kedi;;;;;"},
        {"child", "..FF.N;*;çocuğun;;;;;"},
        {"walk", "..PP..;*;yürü;;;1;;"},
        {"love", "..PP..;*;sev;;;0;;"},
        {"paris", "..FF.*;*;paris;;;;;"},
        {"bad", "..???.;*;kötü;;;;;"},
        {"broken", "a;b;c"},
        {"can't", "..99..;*;can;not;;;;"},
        {"in<<order<<to", "..<<..;*;to;;;;;"},
        {"very<<", "..<<..;*;so;;;;;"},
        {"look_after", "..PP..;*;bak;;;0;;"},
        {"Z_how_are_you", "..ZZ..;*;nasılsın;;;;;"},
        {"EK(e)=su", "..EK..;*;ya;;;;;"},
        {"ev>>", "..>>..;*;evler;;;;;"},
        {"kedi>>", "..>>..;*;kedi kedi;;;;;"},
        {"kitap>>kedi", "..>>..;*;kedi;kitap;;;;"},
        {"old(2)", "..VV..;*;eski;;;;;"},
        {"LL+book", "..//..;*;kitabı;,cat,;;;;"},
        {"ZT_kedi", "..ZZ..;*;pisi;;;;;"},
        // Clause rules, modules, an arrangement and construction shapes for
        // the transfer and generation.
        {"i", "..FA..;*;ben;;;0A;;"},
        {"read", "..PP..;*;oku;;;60;;"},
        {"a", "..ZZ..;*;bir;;;;;"},
        {"V_FA", "..<<..;*;0;F9;;;;"},
        {"V_PP", "..<<..;*;0;PP;;;;"},
        {"V_ZZFF", "..<<..;*;0*1;FF;;;;"},
        {"Pé", "V;;H;;;;;"},
        {"Péé", "V;;H;;;;;"},
        {"P006éé", "V;;A;;;;;"},
        {"WF9PP", "..<>.M*;;@P21;;;;;"},
        {"WFF", "..<>.NO;;*1;;;;;"},
        {"XM*NO", "..XX..;;$(Z*)2+$(M*)1+;;;;;"},
    };
    for (auto& [k, r] : en) {
        k = text::Utf8ToCp1254(k);
        r = text::Utf8ToCp1254(r);
    }
    std::sort(en.begin(), en.end(), [](const auto& a, const auto& b) { return text::OrdinalCompare(a.first, b.first) < 0; });
    store::DictionaryStore s;
    for (const auto& [k, r] : en) {
        s.EnTrKeys.push_back(k);
        s.EnTrRecords.push_back(r);
    }
    s.EnUserKeys = {"+first", "I am here", "New York", "Smith"};
    s.EnUserRecords = {"x", "buradayım", "New York", "Smith"};
    s.AbbreviationList = {"# header", "Dr.", "Mr.", "Prof."};
    return s;
}

class Quiet : public en_tr::EngineMessages {
public:
    void Show(std::string_view) override {}
};

// Hands the sentence itself to the template interpreters and marks the
// result as Turkish so that the rewrite pass runs on it.
class TemplateStages : public en_tr::SentenceStages {
public:
    void TransferSentence(en_tr::EnTrServices& e) override {
        auto& s = e.State();
        std::string words;
        for (std::size_t i = 1; i < s.SentenceWords.size(); ++i) words += s.SentenceWords[i];
        s.CurrentRecord.meaning = words;
        s.ClauseBase = static_cast<int>(words.size() % 5);
        for (int j = 1; j <= s.WordCount && j < 16; ++j) s.OrderedTable[static_cast<std::size_t>(j)] = s.WordTable[static_cast<std::size_t>(j)];
        std::string a = e.ApplyTemplate();
        s.CurrentRecord.meaning = words;
        std::string b = e.ApplyOrderedTemplate();
        e.NounEnding(words.substr(0, 1), words);
        e.SplitClauseWords(words, '0');
        s.TurkishBufferB = a + " " + b;
        s.SentenceState = (words.size() & 1) ? '$' : 'W';
    }
    void AssembleSentence(en_tr::EnTrServices& e, std::string_view, int) override {
        if (e.State().WordCount > 28) throw std::runtime_error("long");
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const store::DictionaryStore store = MakeStore();
    static Quiet quiet;
    static TemplateStages stages;
    static en_tr::PipelineStages pipeline;
    if (size == 0) return 0;
    const std::uint8_t mode = data[0];
    std::string input(reinterpret_cast<const char*>(data + 1), size - 1);
    en_tr::SentenceStages* chosen = (mode & 8) ? static_cast<en_tr::SentenceStages*>(&pipeline)
                                    : (mode & 2) ? static_cast<en_tr::SentenceStages*>(&stages)
                                                 : nullptr;
    en_tr::EnTrEngine engine(store, &quiet, chosen);
    engine.EngineMode = (mode & 1) ? "Q47" : "M47";
    std::string out = engine.TranslateEnToTr(input);
    // Translating a trace block again must use only the text before ";Q47;".
    if (mode & 4) engine.TranslateEnToTr(out);
    return 0;
}
