// The fixed table of what the counter styles CSS predefines draw.
#include "CounterStyles.h"

#include "CssText.h"

namespace {

struct CounterStyle {
    std::string_view name;
    std::u32string_view characters;  // in counting order; a fallback's after the style's own
};

// The predefined styles, each with every character past ASCII it can draw.
// The East Asian styles fall back to cjk-decimal beyond their range.
constexpr CounterStyle Predefined[] = {
    // numeric and additive
    {"decimal", U""},
    {"decimal-leading-zero", U""},
    {"arabic-indic", U"٠١٢٣٤٥٦٧٨٩"},
    {"armenian", U"ԱԲԳԴԵԶԷԸԹԺԻԼԽԾԿՀՁՂՃՄՅՆՇՈՉՊՋՌՍՎՏՐՑՒՓՔ"},
    {"upper-armenian", U"ԱԲԳԴԵԶԷԸԹԺԻԼԽԾԿՀՁՂՃՄՅՆՇՈՉՊՋՌՍՎՏՐՑՒՓՔ"},
    {"lower-armenian", U"աբգդեզէըթժիլխծկհձղճմյնշոչպջռսվտրցւփք"},
    {"bengali", U"০১২৩৪৫৬৭৮৯"},
    {"cambodian", U"០១២៣៤៥៦៧៨៩"},
    {"khmer", U"០១២៣៤៥៦៧៨៩"},
    {"cjk-decimal", U"〇一二三四五六七八九、"},
    {"devanagari", U"०१२३४५६७८९"},
    {"georgian", U"აბგდევზჱთიკლმნჲოპჟრსტჳფქღყშჩცძწჭხჴჯჰჵ"},
    {"gujarati", U"૦૧૨૩૪૫૬૭૮૯"},
    {"gurmukhi", U"੦੧੨੩੪੫੬੭੮੯"},
    {"hebrew", U"אבגדהוזחטיכלמנסעפצקרשת׳"},
    {"kannada", U"೦೧೨೩೪೫೬೭೮೯"},
    {"lao", U"໐໑໒໓໔໕໖໗໘໙"},
    {"malayalam", U"൦൧൨൩൪൫൬൭൮൯"},
    {"mongolian", U"᠐᠑᠒᠓᠔᠕᠖᠗᠘᠙"},
    {"myanmar", U"၀၁၂၃၄၅၆၇၈၉"},
    {"oriya", U"୦୧୨୩୪୫୬୭୮୯"},
    {"persian", U"۰۱۲۳۴۵۶۷۸۹"},
    {"lower-roman", U""},
    {"upper-roman", U""},
    {"tamil", U"௦௧௨௩௪௫௬௭௮௯"},
    {"telugu", U"౦౧౨౩౪౫౬౭౮౯"},
    {"thai", U"๐๑๒๓๔๕๖๗๘๙"},
    {"tibetan", U"༠༡༢༣༤༥༦༧༨༩"},
    // alphabetic
    {"lower-alpha", U""},
    {"lower-latin", U""},
    {"upper-alpha", U""},
    {"upper-latin", U""},
    {"lower-greek", U"αβγδεζηθικλμνξοπρστυφχψω"},
    {"hiragana", U"あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわゐゑをん、"},
    {"hiragana-iroha", U"いろはにほへとちりぬるをわかよたれそつねならむうゐのおくやまけふこえてあさきゆめみしゑひもせす、"},
    {"katakana", U"アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワヰヱヲン、"},
    {"katakana-iroha", U"イロハニホヘトチリヌルヲワカヨタレソツネナラムウヰノオクヤマケフコエテアサキユメミシヱヒモセス、"},
    // symbolic: the closed disclosure points the other way in right-to-left text
    {"disc", U"•"},
    {"circle", U"◦"},
    {"square", U"▪"},
    {"disclosure-open", U"▾"},
    {"disclosure-closed", U"▸◂"},
    // fixed
    {"cjk-earthly-branch", U"子丑寅卯辰巳午未申酉戌亥、" U"〇一二三四五六七八九"},
    {"cjk-heavenly-stem", U"甲乙丙丁戊己庚辛壬癸、" U"〇一二三四五六七八九"},
    // the longhand East Asian styles: digits, digit markers, negative
    // sign, suffix; the Chinese ones with the group markers of their
    // extended range
    {"japanese-informal", U"〇一二三四五六七八九十百千マイナス、"},
    {"japanese-formal", U"零壱弐参四伍六七八九拾百阡マイナス、" U"〇一二三四五六七八九"},
    {"korean-hangul-formal", U"영일이삼사오육칠팔구십백천마이너스" U"〇一二三四五六七八九、"},
    {"korean-hanja-informal", U"零一二三四五六七八九十百千마이너스" U"〇一二三四五六七八九、"},
    {"korean-hanja-formal", U"零壹貳參四五六七八九拾百仟마이너스" U"〇一二三四五六七八九、"},
    {"simp-chinese-informal", U"零一二三四五六七八九十百千万亿负、" U"〇"},
    {"simp-chinese-formal", U"零壹贰叁肆伍陆柒捌玖拾佰仟万亿负、" U"〇一二三四五六七八九"},
    {"trad-chinese-informal", U"零一二三四五六七八九十百千萬億兆負、" U"〇"},
    {"trad-chinese-formal", U"零壹貳參肆伍陸柒捌玖拾佰仟萬億兆負、" U"〇一二三四五六七八九"},
    {"cjk-ideographic", U"零一二三四五六七八九十百千萬億兆負、" U"〇"},
    {"ethiopic-numeric", U"፩፪፫፬፭፮፯፰፱፲፳፴፵፶፷፸፹፺፻፼"},
};

}  // namespace

std::u32string_view CounterStyleCharacters(std::string_view name)
{
    for (const CounterStyle& style : Predefined)
        if (EqualsIgnoringCase(name, style.name))
            return style.characters;
    return {};
}
