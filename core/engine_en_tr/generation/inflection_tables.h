// The Turkish suffix tables of verb inflection.
//
// Every form is data: a list (one entry for all persons) or a person table
// (rows A-E: first person singular, second person plural/polite, third
// person singular, first person plural, third person plural) read through an
// index string. The entry number for stem class c (0-11) and polarity offset
// p (0 statement, 12 negative, 24 question, 36 negative question) is the
// character index[c + p] minus '0', so ':' is 10 and ';' is 11.
//
// Question forms write the particle mi/mı/mu/mü apart from the verb, as
// standard orthography does ("gelir miyim", "gelirler mi").
//
// All texts are code page 1254; an entry of a single blank stands for no
// ending.
#pragma once

#include <array>
#include <string_view>

#include "core/text/cp1254.h"

namespace zelmor::en_tr::tables {

using namespace zelmor::text::literals;

using Form = std::string_view;
template <std::size_t N>
using FormList = std::array<Form, N>;
/// Rows A, B, C, D, E; columns are entry numbers.
template <std::size_t N>
using PersonTable = std::array<std::array<Form, N>, 5>;
/// A list by stem class 0-11.
using ClassList = std::array<Form, 12>;

// ---------------------------------------------------------------- aorist (A)
inline constexpr std::string_view kAoristIndex1 = "0123444456017878788778780123444456019:9:9::99:9:";
/// Index 1 of the irregular -Ir aorist (code position 7 "K").
inline constexpr std::string_view kAoristIndex1K = "2323236556567878788778782323236556569:9:9::99:9:";
inline constexpr std::string_view kAoristIndex2 = "010101322301454545544545676767899867676767766767";
/// Person index of the irregular -Ir aorist: classes 10 and 11 take the
/// rounded -Ir endings there (öl-ür-üm, ol-ur-um), not those of -er/-ar.
inline constexpr std::string_view kAoristIndex2K = "010101322323454545544545676767899898676767766767";

inline constexpr FormList<11> kAoristList = {
    "er"_cp, "ar"_cp, "ir"_cp, "ır"_cp, "r"_cp, "ür"_cp, "ur"_cp, "me"_cp, "ma"_cp, "mez"_cp, "maz"_cp};

inline constexpr PersonTable<10> kAoristPerson = {{
    {"im"_cp, "ım"_cp, "üm"_cp, "um"_cp, "m"_cp, "m"_cp, " miyim"_cp, " mıyım"_cp, " muyum"_cp, " müyüm"_cp},
    {"siniz"_cp, "sınız"_cp, "sünüz"_cp, "sunuz"_cp, "zsiniz"_cp, "zsınız"_cp, " misiniz"_cp, " mısınız"_cp,
     " musunuz"_cp, " müsünüz"_cp},
    {" "_cp, " "_cp, " "_cp, " "_cp, "z"_cp, "z"_cp, " mi"_cp, " mı"_cp, " mu"_cp, " mü"_cp},
    {"iz"_cp, "ız"_cp, "üz"_cp, "uz"_cp, "yiz"_cp, "yız"_cp, " miyiz"_cp, " mıyız"_cp, " muyuz"_cp, " müyüz"_cp},
    {"ler"_cp, "lar"_cp, "ler"_cp, "lar"_cp, "zler"_cp, "zlar"_cp, "ler mi"_cp, "lar mı"_cp, "lar mı"_cp,
     "ler mi"_cp},
}};

// ------------------------------------ participle of the A, B, C, E tenses
inline constexpr std::string_view kPastParticipleIndex = "010101233232454545544545";

inline constexpr PersonTable<6> kPastParticiple = {{
    {"diğim"_cp, "dığım"_cp, "duğum"_cp, "düğüm"_cp, "mediğim"_cp, "madığım"_cp},
    {"diğiniz"_cp, "dığınız"_cp, "duğunuz"_cp, "düğünüz"_cp, "mediğiniz"_cp, "madığınız"_cp},
    {"diği"_cp, "dığı"_cp, "duğu"_cp, "düğü"_cp, "mediği"_cp, "madığı"_cp},
    {"diğimiz"_cp, "dığımız"_cp, "duğumuz"_cp, "düğümüz"_cp, "mediğimiz"_cp, "madığımız"_cp},
    {"dikleri"_cp, "dıkları"_cp, "dukları"_cp, "dükleri"_cp, "medikleri"_cp, "madıkları"_cp},
}};

/// Case ending after a participle (read with the participle's index).
inline constexpr PersonTable<6> kParticipleCase = {{
    {"i"_cp, "ı"_cp, "u"_cp, "ü"_cp, "i"_cp, "ı"_cp},
    {"i"_cp, "ı"_cp, "u"_cp, "ü"_cp, "i"_cp, "ı"_cp},
    {"ni"_cp, "nı"_cp, "nu"_cp, "nü"_cp, "ni"_cp, "nı"_cp},
    {"i"_cp, "ı"_cp, "u"_cp, "ü"_cp, "i"_cp, "ı"_cp},
    {"ni"_cp, "nı"_cp, "nı"_cp, "ni"_cp, "ni"_cp, "nı"_cp},
}};

// ------------------------------------------------- aorist in the past (U)
inline constexpr std::string_view kAoristPastIndex1 = "0123444456017878788778780123444456019:9:9::99:9:";
inline constexpr std::string_view kAoristPastIndex2 = "010101233201454545544545676767899867676767766767";

inline constexpr FormList<11> kAoristPastList = {
    "er"_cp, "ar"_cp, "ir"_cp, "ır"_cp, "r"_cp, "ür"_cp, "ur"_cp, "mez"_cp, "maz"_cp, "mez"_cp, "maz"_cp};

inline constexpr PersonTable<10> kAoristPastPerson = {{
    {"dim"_cp, "dım"_cp, "dum"_cp, "düm"_cp, "dim"_cp, "dım"_cp, " miydim"_cp, " mıydım"_cp, " muydum"_cp,
     " müydüm"_cp},
    {"diniz"_cp, "dınız"_cp, "dunuz"_cp, "dünüz"_cp, "diniz"_cp, "dınız"_cp, " miydiniz"_cp, " mıydınız"_cp,
     " muydunuz"_cp, " müydünüz"_cp},
    {"di"_cp, "dı"_cp, "du"_cp, "dü"_cp, "di"_cp, "dı"_cp, " miydi"_cp, " mıydı"_cp, " muydu"_cp, " müydü"_cp},
    {"dik"_cp, "dık"_cp, "duk"_cp, "dük"_cp, "dik"_cp, "dık"_cp, " miydik"_cp, " mıydık"_cp, " muyduk"_cp,
     " müydük"_cp},
    {"lerdi"_cp, "lardı"_cp, "lardı"_cp, "lerdi"_cp, "lerdi"_cp, "lardı"_cp, "ler miydi"_cp, "lar mıydı"_cp,
     "lar mıydı"_cp, "ler miydi"_cp},
}};

// ------------------------------------------------------- simple past (C)
inline constexpr std::string_view kPastIndex1 = "012323455454676767766767012323455454676767766767";
inline constexpr std::string_view kPastIndex2 = "010101233232010101100101454545677676454545544545";

inline constexpr FormList<8> kPastList = {"di"_cp, "dı"_cp, "di"_cp, "dı"_cp, "du"_cp, "dü"_cp, "medi"_cp, "madı"_cp};

inline constexpr PersonTable<8> kPastPerson = {{
    {"m"_cp, "m"_cp, "m"_cp, "m"_cp, "m mi"_cp, "m mı"_cp, "m mu"_cp, "m mü"_cp},
    {"niz"_cp, "nız"_cp, "nuz"_cp, "nüz"_cp, "niz mi"_cp, "nız mı"_cp, "nuz mu"_cp, "nüz mü"_cp},
    {" "_cp, " "_cp, " "_cp, " "_cp, " mi"_cp, " mı"_cp, " mu"_cp, " mü"_cp},
    {"k"_cp, "k"_cp, "k"_cp, "k"_cp, "k mi"_cp, "k mı"_cp, "k mu"_cp, "k mü"_cp},
    {"ler"_cp, "lar"_cp, "lar"_cp, "ler"_cp, "ler mi"_cp, "lar mı"_cp, "lar mı"_cp, "ler mi"_cp},
}};

// ---------------- progressive (B), progressive past (E), its conditional
inline constexpr std::string_view kProgressiveIndex1 = "010122223434565656788787010122223434565656788787";
inline constexpr std::string_view kProgressiveIndex2 = "000000000000000000000000111111111111111111111111";

inline constexpr FormList<9> kProgressiveList = {"iyor"_cp,  "ıyor"_cp,  "yor"_cp,   "üyor"_cp, "uyor"_cp,
                                                 "miyor"_cp, "mıyor"_cp, "muyor"_cp, "müyor"_cp};

inline constexpr PersonTable<2> kProgressivePerson = {{
    {"um"_cp, " muyum"_cp},
    {"sunuz"_cp, " musunuz"_cp},
    {" "_cp, " mu"_cp},
    {"uz"_cp, " muyuz"_cp},
    {"lar"_cp, "lar mı"_cp},
}};

inline constexpr PersonTable<2> kProgressivePastPerson = {{
    {"dum"_cp, " muydum"_cp},
    {"dunuz"_cp, " muydunuz"_cp},
    {"du"_cp, " muydu"_cp},
    {"duk"_cp, " muyduk"_cp},
    {"lardı"_cp, "lar mıydı"_cp},
}};

inline constexpr PersonTable<2> kProgressiveConditionalPerson = {{
    {"sam"_cp, " muyum"_cp},
    {"sanız"_cp, " musunuz"_cp},
    {"sa"_cp, " mu"_cp},
    {"sak"_cp, " muyuz"_cp},
    {"sa"_cp, "lar mı"_cp},
}};

// --------------------------------- future (F), future in the past (W)
inline constexpr std::string_view kFutureIndex1 = "010123320101454545544545010123320101454545544545";
inline constexpr std::string_view kFutureIndex2 = "010101100101010101100101232323322323232323322323";

inline constexpr FormList<6> kFutureList = {"ece"_cp, "aca"_cp, "yece"_cp, "yaca"_cp, "meyece"_cp, "mayaca"_cp};
inline constexpr FormList<6> kFuturePastList = {"ecek"_cp,  "acak"_cp,    "yecek"_cp,
                                                "yacak"_cp, "meyecek"_cp, "mayacak"_cp};

inline constexpr PersonTable<4> kFuturePerson = {{
    {"ğim"_cp, "ğım"_cp, "k miyim"_cp, "k mıyım"_cp},
    {"ksiniz"_cp, "ksınız"_cp, "k misiniz"_cp, "k mısınız"_cp},
    {"k"_cp, "k"_cp, "k mi"_cp, "k mı"_cp},
    {"ğiz"_cp, "ğız"_cp, "k miyiz"_cp, "k mıyız"_cp},
    {"kler"_cp, "klar"_cp, "kler mi"_cp, "klar mı"_cp},
}};

/// The -dir of a statement, appended after the future's person ending.
inline constexpr PersonTable<4> kFutureCopula = {{
    {" "_cp, " "_cp, " "_cp, " "_cp},
    {" "_cp, " "_cp, " "_cp, " "_cp},
    {"tir"_cp, "tır"_cp, "dir"_cp, "dır"_cp},
    {" "_cp, " "_cp, " "_cp, " "_cp},
    {" "_cp, " "_cp, "dir"_cp, "dır"_cp},
}};

inline constexpr PersonTable<4> kFuturePastPerson = {{
    {"tim"_cp, "tım"_cp, " miydim"_cp, " mıydım"_cp},
    {"tiniz"_cp, "tınız"_cp, " miydiniz"_cp, " mıydınız"_cp},
    {"ti"_cp, "tı"_cp, " miydi"_cp, " mıydı"_cp},
    {"tik"_cp, "tık"_cp, " miydik"_cp, " mıydık"_cp},
    {"lerdi"_cp, "lardı"_cp, "ler miydi"_cp, "lar mıydı"_cp},
}};

inline constexpr std::string_view kFutureParticipleIndex = "010132230101454545544545";

/// Case ending after a future participle, in the future participle's
/// columns (-eceği-ni, -acağı-nı, -yacağı-nı, -yeceği-ni, ...).
inline constexpr PersonTable<6> kFutureParticipleCase = {{
    {"i"_cp, "ı"_cp, "ı"_cp, "i"_cp, "i"_cp, "ı"_cp},
    {"i"_cp, "ı"_cp, "ı"_cp, "i"_cp, "i"_cp, "ı"_cp},
    {"ni"_cp, "nı"_cp, "nı"_cp, "ni"_cp, "ni"_cp, "nı"_cp},
    {"i"_cp, "ı"_cp, "ı"_cp, "i"_cp, "i"_cp, "ı"_cp},
    {"ni"_cp, "nı"_cp, "nı"_cp, "ni"_cp, "ni"_cp, "nı"_cp},
}};

inline constexpr PersonTable<6> kFutureParticiple = {{
    {"eceğim"_cp, "acağım"_cp, "yacağım"_cp, "yeceğim"_cp, "meyeceğim"_cp, "mayacağım"_cp},
    {"eceğiniz"_cp, "acağınız"_cp, "yacağınız"_cp, "yeceğiniz"_cp, "meyeceğiniz"_cp, "mayacağınız"_cp},
    {"eceği"_cp, "acağı"_cp, "yacağı"_cp, "yeceği"_cp, "meyeceği"_cp, "mayacağı"_cp},
    {"eceğimiz"_cp, "acağımız"_cp, "yacağımız"_cp, "yeceğimiz"_cp, "meyeceğimiz"_cp, "mayacağımız"_cp},
    {"ecekleri"_cp, "acakları"_cp, "yacakları"_cp, "yecekleri"_cp, "meyecekleri"_cp, "mayacakları"_cp},
}};

// ------------------------------------------------------------ ability (G)
inline constexpr std::string_view kAbilityIndex1 = "0101233201014545677645450101233201018989:;;:8989";
inline constexpr std::string_view kAbilityIndex2 = "000000000000121212211212333333333333343434433434";

inline constexpr FormList<12> kAbilityList = {"ebilir"_cp, "abilir"_cp, "yebilir"_cp, "yabilir"_cp,
                                              "eme"_cp,    "ama"_cp,    "yeme"_cp,    "yama"_cp,
                                              "emez"_cp,   "amaz"_cp,   "yemez"_cp,   "yamaz"_cp};

inline constexpr PersonTable<5> kAbilityPerson = {{
    {"im"_cp, "m"_cp, "m"_cp, " miyim"_cp, " mıyım"_cp},
    {"siniz"_cp, "zsiniz"_cp, "zsınız"_cp, " misiniz"_cp, " mısınız"_cp},
    {" "_cp, "z"_cp, "z"_cp, " mi"_cp, " mı"_cp},
    {"iz"_cp, "yiz"_cp, "yız"_cp, " miyiz"_cp, " mıyız"_cp},
    {"ler"_cp, "zler"_cp, "zlar"_cp, "ler mi"_cp, "lar mı"_cp},
}};

/// Columns 6 and 7 are the negative forms of vowel stems (iste-yemeyebileceğim).
inline constexpr std::string_view kAbilityParticipleIndex = "010132230101454567764545";

inline constexpr PersonTable<8> kAbilityParticiple = {{
    {"ebileceğim"_cp, "abileceğim"_cp, "yabileceğim"_cp, "yebileceğim"_cp, "emeyebileceğim"_cp,
     "amayabileceğim"_cp, "yemeyebileceğim"_cp, "yamayabileceğim"_cp},
    {"ebileceğiniz"_cp, "abileceğiniz"_cp, "yabileceğiniz"_cp, "yebileceğiniz"_cp, "emeyebileceğiniz"_cp,
     "amayabileceğiniz"_cp, "yemeyebileceğiniz"_cp, "yamayabileceğiniz"_cp},
    {"ebileceği"_cp, "abileceği"_cp, "yabileceği"_cp, "yebileceği"_cp, "emeyebileceği"_cp,
     "amayabileceği"_cp, "yemeyebileceği"_cp, "yamayabileceği"_cp},
    {"ebileceğimiz"_cp, "abileceğimiz"_cp, "yabileceğimiz"_cp, "yebileceğimiz"_cp, "emeyebileceğimiz"_cp,
     "amayabileceğimiz"_cp, "yemeyebileceğimiz"_cp, "yamayabileceğimiz"_cp},
    {"ebilecekleri"_cp, "abilecekleri"_cp, "yabilecekleri"_cp, "yebilecekleri"_cp, "emeyebilecekleri"_cp,
     "amayabilecekleri"_cp, "yemeyebilecekleri"_cp, "yamayabilecekleri"_cp},
}};

// ------------------------- necessity (H), necessity in the past (N)
// The negative question (offset 36) reads the negative list entry and the
// question person entry.
inline constexpr std::string_view kNecessityIndex1 = "010101100101232323322323010101100101232323322323";
inline constexpr std::string_view kNecessityIndex2 = "010101100101010101100101232323322323232323322323";

inline constexpr FormList<4> kNecessityList = {"meli"_cp, "malı"_cp, "memeli"_cp, "mamalı"_cp};

inline constexpr PersonTable<4> kNecessityPerson = {{
    {"yim"_cp, "yım"_cp, " miyim"_cp, " mıyım"_cp},
    {"siniz"_cp, "sınız"_cp, " misiniz"_cp, " mısınız"_cp},
    {" "_cp, " "_cp, " mi"_cp, " mı"_cp},
    {"yiz"_cp, "yız"_cp, " miyiz"_cp, " mıyız"_cp},
    {"ler"_cp, "lar"_cp, "ler mi"_cp, "lar mı"_cp},
}};

inline constexpr PersonTable<4> kNecessityPastPerson = {{
    {"ydim"_cp, "ydım"_cp, " miydim"_cp, " mıydım"_cp},
    {"ydiniz"_cp, "ydınız"_cp, " miydiniz"_cp, " mıydınız"_cp},
    {"ydi"_cp, "ydı"_cp, " miydi"_cp, " mıydı"_cp},
    {"ydik"_cp, "ydık"_cp, " miydik"_cp, " mıydık"_cp},
    {"lerdi"_cp, "lardı"_cp, "ler miydi"_cp, "lar mıydı"_cp},
}};

// ------------------------------------------------- ability in the past (I)
// Columns 0/1 follow -ebildi (front vowels), 2/3 the negative -amadı of back
// stems; the negative question reads the negative list and question columns.
inline constexpr std::string_view kAbilityPastIndex1 = "010123320101454567764545010123320101454567764545";
inline constexpr std::string_view kAbilityPastIndex2 = "000000000000020202200202111111111111131313311313";

inline constexpr FormList<8> kAbilityPastList = {"ebildi"_cp, "abildi"_cp, "yebildi"_cp, "yabildi"_cp,
                                                 "emedi"_cp,  "amadı"_cp,  "yemedi"_cp,  "yamadı"_cp};

inline constexpr PersonTable<4> kAbilityPastPerson = {{
    {"m"_cp, "m mi"_cp, "m"_cp, "m mı"_cp},
    {"niz"_cp, "niz mi"_cp, "nız"_cp, "nız mı"_cp},
    {" "_cp, " mi"_cp, " "_cp, " mı"_cp},
    {"k"_cp, "k mi"_cp, "k"_cp, "k mı"_cp},
    {"ler"_cp, "ler mi"_cp, "lar"_cp, "lar mı"_cp},
}};

// ------------------------------------------------------------ conditionals
inline constexpr std::string_view kAoristConditionalIndex1 = "012344445601787878877878";
inline constexpr std::string_view kAoristConditionalIndex2 = "010101100101010101100101";
inline constexpr FormList<9> kAoristConditionalList = {"er"_cp, "ar"_cp, "ir"_cp,  "ır"_cp, "r"_cp,
                                                       "ür"_cp, "ur"_cp, "mez"_cp, "maz"_cp};

inline constexpr std::string_view kPastConditionalIndex1 = "012341655656787878877878";
inline constexpr std::string_view kPastConditionalIndex2 = "010101100101010101100101";
inline constexpr FormList<9> kPastConditionalList = {"diy"_cp, "dıy"_cp, "diy"_cp,   "dıy"_cp,  "diy"_cp,
                                                     "düy"_cp, "duy"_cp, "mediy"_cp, "madıy"_cp};

inline constexpr std::string_view kAbilityConditionalIndex1 = "010123320101454567764545";
inline constexpr std::string_view kAbilityConditionalIndex2 = "000000000000010101100101";
inline constexpr FormList<8> kAbilityConditionalList = {"ebilir"_cp, "abilir"_cp, "yebilir"_cp, "yabilir"_cp,
                                                        "emez"_cp,   "amaz"_cp,   "yemez"_cp,   "yamaz"_cp};

inline constexpr PersonTable<2> kAoristConditionalPerson = {{
    {"sem"_cp, "sam"_cp},
    {"seniz"_cp, "sanız"_cp},
    {"se"_cp, "sa"_cp},
    {"sek"_cp, "sak"_cp},
    {"lerse"_cp, "larsa"_cp},
}};

inline constexpr PersonTable<2> kPastConditionalPerson = {{
    {"sem"_cp, "sam"_cp},
    {"seniz"_cp, "sanız"_cp},
    {"se"_cp, "sa"_cp},
    {"sek"_cp, "sak"_cp},
    {"se"_cp, "sa"_cp},
}};

inline constexpr PersonTable<2> kAbilityConditionalPerson = {{
    {"sem"_cp, "sam"_cp},
    {"seniz"_cp, "sanız"_cp},
    {"se"_cp, "sa"_cp},
    {"sek"_cp, "sak"_cp},
    {"se"_cp, "sa"_cp},
}};

// ------------------------------------ participle with a following word (K)
inline constexpr std::string_view kRelativeIndex1 = "012323455454676767766767";
inline constexpr std::string_view kRelativeIndex2 = "010101233232010101100101";
inline constexpr FormList<8> kRelativeList = {"ti"_cp, "tı"_cp, "di"_cp, "dı"_cp, "du"_cp, "dü"_cp, "medi"_cp, "madı"_cp};

inline constexpr PersonTable<4> kRelativePerson = {{
    {"ğim"_cp, "ğım"_cp, "ğum"_cp, "ğüm"_cp},
    {"ğiniz"_cp, "ğınız"_cp, "ğunuz"_cp, "ğünüz"_cp},
    {"ği"_cp, "ğı"_cp, "ğu"_cp, "ğü"_cp},
    {"ğimiz"_cp, "ğımız"_cp, "ğumuz"_cp, "ğümüz"_cp},
    {"kleri"_cp, "kları"_cp, "kları"_cp, "kleri"_cp},
}};

// ---------------------------------------------------- fixed forms by class
inline constexpr ClassList kAfterNegative = {"medikten"_cp, "madıktan"_cp, "medikten"_cp, "madıktan"_cp,
                                             "medikten"_cp, "madıktan"_cp, "madıktan"_cp, "medikten"_cp,
                                             "medikten"_cp, "madıktan"_cp, "medikten"_cp, "madıktan"_cp};
inline constexpr ClassList kAfter = {"dikten"_cp, "dıktan"_cp, "dikten"_cp, "dıktan"_cp,
                                     "dikten"_cp, "dıktan"_cp, "duktan"_cp, "dükten"_cp,
                                     "dükten"_cp, "duktan"_cp, "dükten"_cp, "duktan"_cp};
inline constexpr ClassList kBefore = {"meden"_cp, "madan"_cp, "meden"_cp, "madan"_cp, "meden"_cp, "madan"_cp,
                                      "madan"_cp, "meden"_cp, "meden"_cp, "madan"_cp, "meden"_cp, "madan"_cp};
inline constexpr ClassList kUntil = {"inceye"_cp,  "ıncaya"_cp,  "inceye"_cp,  "ıncaya"_cp,
                                     "yinceye"_cp, "yıncaya"_cp, "yuncaya"_cp, "yünceye"_cp,
                                     "ünceye"_cp,  "uncaya"_cp,  "ünceye"_cp,  "uncaya"_cp};
inline constexpr ClassList kWhile = {"erken"_cp, "arken"_cp, "irken"_cp, "ırken"_cp, "rken"_cp,  "rken"_cp,
                                     "rken"_cp,  "rken"_cp,  "ürken"_cp, "urken"_cp, "erken"_cp, "arken"_cp};
inline constexpr ClassList kAsSoonAs = {"ince"_cp,  "ınca"_cp,  "ince"_cp, "ınca"_cp, "yince"_cp, "yınca"_cp,
                                        "yunca"_cp, "yünce"_cp, "ünce"_cp, "unca"_cp, "ünce"_cp,  "unca"_cp};
inline constexpr ClassList kAlthoughNegative = {"mediği"_cp, "madığı"_cp, "mediği"_cp, "madığı"_cp,
                                                "mediği"_cp, "madığı"_cp, "madığı"_cp, "mediği"_cp,
                                                "mediği"_cp, "madığı"_cp, "mediği"_cp, "madığı"_cp};
inline constexpr ClassList kAlthough = {"diği"_cp, "dığı"_cp, "diği"_cp, "dığı"_cp, "diği"_cp, "dığı"_cp,
                                        "duğu"_cp, "düğü"_cp, "düğü"_cp, "duğu"_cp, "düğü"_cp, "duğu"_cp};
inline constexpr ClassList kAccusativeNoun = {"meyi"_cp, "mayı"_cp, "meyi"_cp, "mayı"_cp, "meyi"_cp, "mayı"_cp,
                                              "mayı"_cp, "meyi"_cp, "meyi"_cp, "mayı"_cp, "meyi"_cp, "mayı"_cp};
inline constexpr ClassList kAccusativeNounNegative = {"memeyi"_cp, "mamayı"_cp, "memeyi"_cp, "mamayı"_cp,
                                                      "memeyi"_cp, "mamayı"_cp, "mamayı"_cp, "memeyi"_cp,
                                                      "memeyi"_cp, "mamayı"_cp, "memeyi"_cp, "mamayı"_cp};
inline constexpr ClassList kDativeNoun = {"meye"_cp, "maya"_cp, "meye"_cp, "maya"_cp, "meye"_cp, "maya"_cp,
                                          "maya"_cp, "meye"_cp, "meye"_cp, "maya"_cp, "meye"_cp, "maya"_cp};
inline constexpr ClassList kUnless = {"medikçe"_cp, "madıkça"_cp, "medikçe"_cp, "madıkça"_cp,
                                      "medikçe"_cp, "madıkça"_cp, "madıkça"_cp, "medikçe"_cp,
                                      "medikçe"_cp, "madıkça"_cp, "medikçe"_cp, "madıkça"_cp};
inline constexpr ClassList kNegation = {"me"_cp, "ma"_cp, "me"_cp, "ma"_cp, "me"_cp, "ma"_cp,
                                        "ma"_cp, "me"_cp, "me"_cp, "ma"_cp, "me"_cp, "ma"_cp};
inline constexpr ClassList kInfinitive = {"mek"_cp, "mak"_cp, "mek"_cp, "mak"_cp, "mek"_cp, "mak"_cp,
                                          "mak"_cp, "mek"_cp, "mek"_cp, "mak"_cp, "mek"_cp, "mak"_cp};
inline constexpr ClassList kNegativeInfinitive = {"memek"_cp, "mamak"_cp, "memek"_cp, "mamak"_cp,
                                                  "memek"_cp, "mamak"_cp, "mamak"_cp, "memek"_cp,
                                                  "memek"_cp, "mamak"_cp, "memek"_cp, "mamak"_cp};
inline constexpr ClassList kParticipleEn = {"en"_cp,  "an"_cp, "en"_cp, "an"_cp, "yen"_cp, "yan"_cp,
                                            "yan"_cp, "yen"_cp, "en"_cp, "an"_cp, "en"_cp,  "an"_cp};
inline constexpr ClassList kParticipleEnNegative = {"meyen"_cp, "mayan"_cp, "meyen"_cp, "mayan"_cp,
                                                    "meyen"_cp, "mayan"_cp, "mayan"_cp, "meyen"_cp,
                                                    "meyen"_cp, "mayan"_cp, "meyen"_cp, "mayan"_cp};
inline constexpr ClassList kFutureParticipleByClass = {"ecek"_cp,  "acak"_cp,  "ecek"_cp, "acak"_cp,
                                                       "yecek"_cp, "yacak"_cp, "yacak"_cp, "yecek"_cp,
                                                       "ecek"_cp,  "acak"_cp,  "ecek"_cp, "acak"_cp};

// Optative by person.
inline constexpr ClassList kOptativeFirst = {"eyim"_cp,  "ayım"_cp,  "eyim"_cp, "ayım"_cp,
                                             "yeyim"_cp, "yayım"_cp, "yayım"_cp, "yeyim"_cp,
                                             "eyim"_cp,  "ayım"_cp,  "eyim"_cp, "ayım"_cp};
inline constexpr ClassList kOptativeThird = {"sin"_cp, "sın"_cp, "sin"_cp, "sın"_cp, "sin"_cp, "sın"_cp,
                                             "sun"_cp, "sün"_cp, "sün"_cp, "sun"_cp, "sün"_cp, "sun"_cp};
inline constexpr ClassList kOptativeFirstPlural = {"elim"_cp,  "alım"_cp,  "elim"_cp, "alım"_cp,
                                                   "yelim"_cp, "yalım"_cp, "yalım"_cp, "yelim"_cp,
                                                   "elim"_cp,  "alım"_cp,  "elim"_cp, "alım"_cp};

// Negative verbal noun with a possessive, by person; column 0 front, 1 back.
inline constexpr PersonTable<2> kNegativeNounPossessive = {{
    {"memi"_cp, "mamı"_cp},
    {"menizi"_cp, "manızı"_cp},
    {"mesini"_cp, "masını"_cp},
    {"memizi"_cp, "mamızı"_cp},
    {"melerini"_cp, "malarını"_cp},
}};

/// Front (0) or back (1) vowel of each stem class.
inline constexpr std::array<int, 12> kClassBackness = {0, 1, 0, 1, 0, 1, 1, 0, 0, 1, 0, 1};

// Verbal noun with a case ending, rows 0-5; row 4 is the -erek converb.
inline constexpr std::array<std::array<Form, 2>, 6> kVerbalNounCase = {{
    {"mek"_cp, "mak"_cp},
    {"meye"_cp, "maya"_cp},
    {"meyi"_cp, "mayı"_cp},
    {"mekten"_cp, "maktan"_cp},
    {""_cp, ""_cp},
    {"mek"_cp, "mak"_cp},
}};
inline constexpr ClassList kConverbErek = {"erek"_cp,  "arak"_cp,  "erek"_cp, "arak"_cp,
                                           "yerek"_cp, "yarak"_cp, "yarak"_cp, "yerek"_cp,
                                           "erek"_cp,  "arak"_cp,  "erek"_cp, "arak"_cp};

// --------------------------------------------------------- noun predicates
/// Column by harmony digit h (0-7) plus offset (0 statement, 8 negative,
/// 16 question).
inline constexpr std::string_view kNominalColumnIndex = "01234567888888889:;<9:;<";

inline constexpr PersonTable<13> kNominalPresent = {{
    {"yım"_cp, "yum"_cp, "yim"_cp, "yüm"_cp, "ım"_cp, "um"_cp, "im"_cp, "üm"_cp, "değilim"_cp, "mıyım"_cp,
     "muyum"_cp, "miyim"_cp, "müyüm"_cp},
    {"sınız"_cp, "sunuz"_cp, "siniz"_cp, "sünüz"_cp, "sınız"_cp, "sunuz"_cp, "siniz"_cp, "sünüz"_cp,
     "değilsiniz"_cp, "mısınız"_cp, "musunuz"_cp, "misiniz"_cp, "müsünüz"_cp},
    {"dır"_cp, "dur"_cp, "dir"_cp, "dür"_cp, "dır"_cp, "dur"_cp, "dir"_cp, "dür"_cp, "değildir"_cp, "mıdır"_cp,
     "mudur"_cp, "midir"_cp, "müdür"_cp},
    {"yız"_cp, "yuz"_cp, "yiz"_cp, "yüz"_cp, "ız"_cp, "uz"_cp, "iz"_cp, "üz"_cp, "değiliz"_cp, "mıyız"_cp,
     "muyuz"_cp, "miyiz"_cp, "müyüz"_cp},
    {"dır"_cp, "dur"_cp, "dir"_cp, "dür"_cp, "dır"_cp, "dur"_cp, "dir"_cp, "dür"_cp, "değildir"_cp, "mıdır"_cp,
     "mudur"_cp, "midir"_cp, "müdür"_cp},
}};

inline constexpr PersonTable<13> kNominalPast = {{
    {"ydım"_cp, "ydum"_cp, "ydim"_cp, "ydüm"_cp, "dım"_cp, "dum"_cp, "dim"_cp, "düm"_cp, "değildim"_cp,
     "mıydım"_cp, "muydum"_cp, "miydim"_cp, "müydüm"_cp},
    {"ydınız"_cp, "ydunuz"_cp, "ydiniz"_cp, "ydünüz"_cp, "dınız"_cp, "dunuz"_cp, "diniz"_cp, "dünüz"_cp,
     "değildiniz"_cp, "mıydınız"_cp, "muydunuz"_cp, "miydiniz"_cp, "müydünüz"_cp},
    {"ydı"_cp, "ydu"_cp, "ydi"_cp, "ydü"_cp, "dı"_cp, "du"_cp, "di"_cp, "dü"_cp, "değildi"_cp, "mıydı"_cp,
     "muydu"_cp, "miydi"_cp, "müydü"_cp},
    {"ydık"_cp, "yduk"_cp, "ydik"_cp, "ydük"_cp, "dık"_cp, "duk"_cp, "dik"_cp, "dük"_cp, "değildik"_cp,
     "mıydık"_cp, "muyduk"_cp, "miydik"_cp, "müydük"_cp},
    {"ydı"_cp, "ydu"_cp, "ydi"_cp, "ydü"_cp, "dı"_cp, "du"_cp, "di"_cp, "dü"_cp, "değildi"_cp, "mıydı"_cp,
     "muydu"_cp, "miydi"_cp, "müydü"_cp},
}};

inline constexpr PersonTable<13> kNominalPresentConditional = {{
    {"isem"_cp, "isem"_cp, "isem"_cp, "isem"_cp, "isem"_cp, "isem"_cp, "isem"_cp, "isem"_cp, "değilsem"_cp, " "_cp,
     " "_cp, " "_cp, " "_cp},
    {"iseniz"_cp, "iseniz"_cp, "iseniz"_cp, "iseniz"_cp, "iseniz"_cp, "iseniz"_cp, "iseniz"_cp, "iseniz"_cp,
     "değilseniz"_cp, "  "_cp, " "_cp, " "_cp, " "_cp},
    {"ise"_cp, "ise"_cp, "ise"_cp, "ise"_cp, "ise"_cp, "ise"_cp, "ise"_cp, "ise"_cp, "değilse"_cp, " "_cp, " "_cp,
     " "_cp, " "_cp},
    {"isek"_cp, "isek"_cp, "isek"_cp, "isek"_cp, "isek"_cp, "isek"_cp, "isek"_cp, "isek"_cp, "değilsek"_cp, " "_cp,
     " "_cp, " "_cp, " "_cp},
    {"ise"_cp, "ise"_cp, "ise"_cp, "ise"_cp, "ise"_cp, "ise"_cp, "ise"_cp, "ise"_cp, "değilse"_cp, " "_cp, " "_cp,
     " "_cp, " "_cp},
}};

inline constexpr PersonTable<13> kNominalPastConditional = {{
    {"olsaydım"_cp, "olsaydım"_cp, "olsaydım"_cp, "olsaydım"_cp, "olsaydım"_cp, "olsaydım"_cp, "olsaydım"_cp,
     "olsaydım"_cp, "olmasaydım"_cp, " "_cp, " "_cp, " "_cp, " "_cp},
    {"olsaydınız"_cp, "olsaydınız"_cp, "olsaydınız"_cp, "olsaydınız"_cp, "olsaydınız"_cp, "olsaydınız"_cp,
     "olsaydınız"_cp, "olsaydınız"_cp, "olmasaydınız"_cp, " "_cp, " "_cp, " "_cp, " "_cp},
    {"olsaydı"_cp, "olsaydı"_cp, "olsaydı"_cp, "olsaydı"_cp, "olsaydı"_cp, "olsaydı"_cp, "olsaydı"_cp,
     "olsaydı"_cp, "olmasaydı"_cp, " "_cp, " "_cp, " "_cp, " "_cp},
    {"olsaydık"_cp, "olsaydık"_cp, "olsaydık"_cp, "olsaydık"_cp, "olsaydık"_cp, "olsaydık"_cp, "olsaydık"_cp,
     "olsaydık"_cp, "olmasaydık"_cp, " "_cp, " "_cp, " "_cp, " "_cp},
    {"olsaydı"_cp, "olsaydı"_cp, "olsaydı"_cp, "olsaydı"_cp, "olsaydı"_cp, "olsaydı"_cp, "olsaydı"_cp,
     "olsaydı"_cp, "olmasaydı"_cp, " "_cp, " "_cp, " "_cp, " "_cp},
}};

}  // namespace zelmor::en_tr::tables
