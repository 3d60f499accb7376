#include "adapters/sound_builder.h"

#include <chrono>
#include <fstream>
#include <map>
#include <set>

#include "adapters/espeak_synth.h"
#include "adapters/wav_file.h"
#include "core/speech/pcm.h"
#include "core/speech/syllables.h"
#include "core/text/cp1254.h"
#include "core/text/split.h"
#include "core/text/turkish_case.h"

namespace zelmor::adapters {

namespace fs = std::filesystem;
using speech::SoundFolder;

namespace {

constexpr int kSpeakingRate = 210;

// Lower-case UTF-8 letters as espeak-ng reads them.
const std::vector<std::string> kVowels = {"a", "e", "ı", "i", "o", "ö", "u", "ü"};
const std::vector<std::string> kConsonants = {"b", "c", "ç", "d", "f", "g", "ğ",
                                              "h", "j", "k", "l", "m", "n", "p",
                                              "r", "s", "ş", "t", "v", "y", "z"};
// Consonant pairs that close Turkish syllables ("türk", "üst", "kalp").
const std::vector<std::string> kClusters = {
    "rk", "rt", "rç", "rs", "rp", "rm", "rn", "rd", "rz", "rf", "rl", "rb", "rg", "lk", "lt",
    "lp", "lç", "lm", "ls", "lf", "nk", "nt", "nç", "nd", "ng", "ns", "st", "şt", "ft", "kt",
    "ks", "ps", "yt", "yl", "yr", "ym", "yn", "zm", "sm", "sk", "nz", "rş", "lg"};
// A lone consonant (the first of "kral") in espeak-ng's phoneme letters;
// the voiced stops need a trace of a vowel to be heard at all.
const std::map<std::string, std::string> kConsonantPhonemes = {
    {"b", "b@"}, {"c", "dZ@"}, {"ç", "tS"}, {"d", "d@"}, {"f", "f"}, {"g", "g@"}, {"h", "h"},
    {"j", "Z"},  {"k", "k"},   {"l", "l"},  {"m", "m"},  {"n", "n"}, {"p", "p"},  {"r", "r"},
    {"s", "s"},  {"ş", "S"},   {"t", "t"},  {"v", "v"},  {"y", "j"}, {"z", "z"}};

// Sound name of lower-case UTF-8 text: upper case, code page 1254, then
// the file-name pairs ("ş" -> "SS").
std::string NameOf(const std::string& utf8) {
    return speech::SoundName(text::TurkishUpperCase(text::Utf8ToCp1254(utf8)));
}

std::string Lower(const std::string& utf8_upper) {
    return text::Cp1254ToUtf8(text::TurkishLowerCase(text::Utf8ToCp1254(utf8_upper)));
}

}  // namespace

const std::vector<std::string>& CommonTurkishWords() {
    static const std::vector<std::string> words = [] {
        static const char* const kText =
            // numbers
            "SIFIR BİR İKİ ÜÇ DÖRT BEŞ ALTI YEDİ SEKİZ DOKUZ ON ONBİR ONİKİ ONÜÇ ONDÖRT ONBEŞ "
            "ONALTI ONYEDİ ONSEKİZ ONDOKUZ YİRMİ OTUZ KIRK ELLİ ALTMIŞ YETMİŞ SEKSEN DOKSAN "
            "YÜZ BİN MİLYON MİLYAR BUÇUK YARIM ÇEYREK "
            // greetings and small words
            "MERHABA SELAM GÜNAYDIN İYİ AKŞAMLAR GECELER HOŞÇA KAL GÜLE TEŞEKKÜR TEŞEKKÜRLER "
            "EDERİM SAĞOL LÜTFEN EVET HAYIR TAMAM PEKİ BUYURUN RİCA AFEDERSİNİZ ÖZÜR DİLERİM "
            "VE VEYA AMA FAKAT ÇÜNKÜ İLE DE DA Kİ Mİ MI MU MÜ GİBİ KADAR İÇİN SONRA ÖNCE "
            "ŞİMDİ BUGÜN YARIN DÜN HER HİÇ ÇOK AZ DAHA EN BİRAZ HEP BAZEN ASLA HEMEN YİNE "
            "ARTIK BELKİ SADECE BİLE HENÜZ ŞÖYLE BÖYLE ÖYLE NASIL NEDEN NİÇİN NE NEREDE NEREYE "
            "NEREDEN KİM KİMİN HANGİ KAÇ NE ZAMAN "
            // pronouns
            "BEN SEN O BİZ SİZ ONLAR BENİ SENİ ONU BİZİ SİZİ ONLARI BANA SANA ONA BİZE SİZE "
            "ONLARA BENİM SENİN ONUN BİZİM SİZİN ONLARIN BU ŞU BUNU ŞUNU BUNLAR ŞUNLAR BURADA "
            "ŞURADA ORADA KENDİ HERKES HERŞEY BİRİ BİRŞEY "
            // time
            "YIL YILI YILINDA AY GÜN HAFTA SAAT DAKİKA SANİYE SABAH ÖĞLE AKŞAM GECE ZAMAN "
            "PAZARTESİ SALI ÇARŞAMBA PERŞEMBE CUMA CUMARTESİ PAZAR OCAK ŞUBAT MART NİSAN MAYIS "
            "HAZİRAN TEMMUZ AĞUSTOS EYLÜL EKİM KASIM ARALIK "
            // people and places
            "ANNE BABA KARDEŞ ABLA AĞABEY ÇOCUK ADAM KADIN KIZ OĞLAN ARKADAŞ AİLE İNSAN "
            "ÖĞRETMEN ÖĞRENCİ DOKTOR EV OKUL İŞ ŞEHİR KÖY ÜLKE DÜNYA TÜRKİYE TÜRK TÜRKÇE "
            "İNGİLİZCE İNGİLTERE İSTANBUL ANKARA İZMİR DİL KELİME CÜMLE SORU CEVAP "
            // things
            "SU EKMEK YEMEK ÇAY KAHVE SÜT ELMA KİTAP KALEM MASA KAPI PENCERE ARABA YOL DENİZ "
            "GÜNEŞ HAVA PARA TELEFON BİLGİSAYAR OYUN MÜZİK RESİM İSİM AD "
            // adjectives
            "BÜYÜK KÜÇÜK YENİ ESKİ GÜZEL KÖTÜ DOĞRU YANLIŞ UZUN KISA SICAK SOĞUK KOLAY ZOR "
            "HIZLI YAVAŞ MUTLU ÜZGÜN BEYAZ SİYAH KIRMIZI MAVİ YEŞİL SARI "
            // verbs
            "VAR YOK DEĞİL GEL GİT GELDİM GİTTİM GELDİ GİTTİ GELİYOR GİDİYOR GELECEK GİDECEK "
            "YAP YAPTI YAPIYOR OL OLDU OLUYOR OLACAK ET ETTİ BİL BİLİYORUM BİLMİYORUM "
            "İSTİYORUM İSTER SEVİYORUM SEVER OKU OKUDU OKUYOR YAZ YAZDI YAZIYOR KONUŞ KONUŞUYOR "
            "ANLA ANLADIM ANLAMADIM GÖR GÖRDÜM BAK DİNLE SÖYLE SÖYLEDİ VER VERDİ AL ALDI "
            "BAŞLA BİTİR ÇALIŞ ÇALIŞIYOR ÖĞREN ÖĞRENİYORUM YE İÇ UYU KALK OTUR";
        std::vector<std::string> out;
        std::set<std::string> seen;
        for (auto w : text::SplitViews(kText, ' '))
            if (!w.empty() && seen.insert(std::string(w)).second) out.emplace_back(w);
        return out;
    }();
    return words;
}

std::vector<SoundRecipe> SoundInventory() {
    std::vector<SoundRecipe> out;
    auto syl = [&](const std::string& name, const std::string& text,
                   SoundRecipe::Cut cut = SoundRecipe::Cut::None) {
        out.push_back({SoundFolder::Syllables, name, text, cut, 0});
    };
    for (auto& v : kVowels) syl(NameOf(v), v);
    for (auto& c : kConsonants) {
        auto it = kConsonantPhonemes.find(c);
        if (it != kConsonantPhonemes.end()) syl(NameOf(c), "[[" + it->second + "]]");
    }
    for (auto& c : kConsonants)
        for (auto& v : kVowels) {
            syl(NameOf(c + v), c + v);
            syl(NameOf(c) + "4" + NameOf(v), c + v, SoundRecipe::Cut::Head);
        }
    for (auto& v : kVowels)
        for (auto& c : kConsonants) syl(NameOf(v + c), v + c);
    for (auto& c1 : kConsonants)
        for (auto& v : kVowels)
            for (auto& c2 : kConsonants) syl(NameOf(c1 + v + c2), c1 + v + c2);
    for (auto& v : kVowels)
        for (auto& cc : kClusters) {
            syl(NameOf(v + cc), v + cc);
            syl("*" + NameOf(v + cc), v + cc);
        }
    for (auto& w : CommonTurkishWords()) {
        std::string name = speech::SoundName(text::Utf8ToCp1254(w));
        out.push_back({SoundFolder::Words, name, Lower(w), SoundRecipe::Cut::None, 0});
    }
    // The comma inside a sentence is spoken as the word "N9": a short pause.
    out.push_back({SoundFolder::Words, "N9", "", SoundRecipe::Cut::Silence, 250});
    return out;
}

bool BuildSoundFiles(const fs::path& program_dir, int sample_rate, SoundBuildReport& report) {
    const auto start = std::chrono::steady_clock::now();
    report = SoundBuildReport{};
    auto synth = EspeakSynth::Open("tr", &report.error);
    if (!synth) return false;
    // A little faster than espeak-ng's default: syllables said one by one
    // are drawn out, and the speech adds its own pauses between them.
    synth->SetRate(kSpeakingRate);

    std::error_code ec;
    const fs::path trwav = program_dir / "trwav";
    fs::create_directories(trwav / "trwa-z", ec);
    if (ec) {
        report.error = (trwav / "trwa-z").string() + ": " + ec.message();
        return false;
    }
    // An old index goes first: without it nothing points at half-built files.
    const fs::path index_path = program_dir / std::string(speech::kSoundIndexPath);
    fs::remove(index_path, ec);

    std::vector<std::string> index_lines = {"*1.0_ZELMOR espeak-ng tr"};
    for (const SoundRecipe& r : SoundInventory()) {
        speech::PcmBuffer sound;
        sound.sample_rate = sample_rate;
        if (r.cut == SoundRecipe::Cut::Silence) {
            sound.AppendSilence(r.silence_ms);
        } else {
            sound = speech::TrimSilence(synth->Synthesize(r.text), 1, 10);
            if (sound.empty()) continue;  // nothing to hear: leave it unlisted
            sound = speech::Resample(sound, sample_rate);
            if (r.cut == SoundRecipe::Cut::Head)
                sound = sound.Copy(0, sound.LengthMs() * 3 / 5);
            // Recorded at the level the speech brings every piece to.
            int level = sound.LevelPercent();
            if (level > 0) sound.ChangeVolume((35 - level) * 100 / level);
        }
        std::string file = speech::SoundFileName(r.folder, r.name);
        fs::path path = program_dir / std::string(speech::SoundFolderPath(r.folder)) /
                        text::Cp1254ToUtf8(file);
        if (!WriteWavFile(path, sound, &report.error, WavEncoding::ImaAdpcm)) return false;
        ++report.files;
        report.bytes += fs::file_size(path, ec);
        index_lines.push_back("*" + file);
    }

    std::string index;
    for (auto& l : index_lines) index += l + "\r\n";
    fs::path tmp = index_path;
    tmp += ".tmp";
    {
        std::ofstream f(tmp, std::ios::binary | std::ios::trunc);
        f << index;
        if (!f.flush()) {
            report.error = tmp.string() + ": cannot write";
            return false;
        }
    }
    fs::rename(tmp, index_path, ec);
    if (ec) {
        report.error = index_path.string() + ": " + ec.message();
        return false;
    }
    report.bytes += index.size();
    ++report.files;
    report.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return true;
}

}  // namespace zelmor::adapters
