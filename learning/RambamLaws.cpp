#include "learning/RambamLaws.h"

#include <array>

namespace mirvane {
namespace {

constexpr std::array<TStudyBook, 84> Laws{{
    {"Foundations of the Torah", "הלכות יסודי התורה", 1, 10},
    {"Human Dispositions", "הלכות דעות", 1, 7},
    {"Torah Study", "הלכות תלמוד תורה", 1, 7},
    {"Foreign Worship and Customs of the Nations", "הלכות עבודה זרה וחוקות הגויים", 1, 12},
    {"Repentance", "הלכות תשובה", 1, 10},
    {"Reading the Shema", "הלכות קריאת שמע", 1, 4},
    {"Prayer and the Priestly Blessing", "הלכות תפילה וברכת כהנים", 1, 15},
    {"Tefillin, Mezuzah and the Torah Scroll", "הלכות תפילין ומזוזה וספר תורה", 1, 10},
    {"Fringes", "הלכות ציצית", 1, 3},
    {"Blessings", "הלכות ברכות", 1, 11},
    {"Circumcision", "הלכות מילה", 1, 3},
    {"The Order of Prayer", "סדר התפילה", 1, 5},
    {"Sabbath", "הלכות שבת", 1, 30},
    {"Eruvin", "עירובין", 1, 8},
    {"Rest on the Tenth of Tishrei", "הלכות שביתת עשור", 1, 3},
    {"Rest on a Holiday", "הלכות שביתת יום טוב", 1, 8},
    {"Leavened and Unleavened Bread", "הלכות חמץ ומצה", 1, 9},
    {"Shofar, Sukkah and Lulav", "הלכות שופר וסוכה ולולב", 1, 8},
    {"Sheqel Dues", "הלכות שקלים", 1, 4},
    {"Sanctification of the New Month", "הלכות קידוש החודש", 1, 19},
    {"Fasts", "הלכות תעניות", 1, 5},
    {"Scroll of Esther and Hanukkah", "הלכות מגילה וחנוכה", 1, 4},
    {"Marriage", "הלכות אישות", 1, 25},
    {"Divorce", "הלכות גירושין", 1, 13},
    {"Levirate Marriage and Release", "הלכות יבום וחליצה", 1, 8},
    {"Virgin Maiden", "הלכות נערה בתולה", 1, 3},
    {"Woman Suspected of Infidelity", "הלכות סוטה", 1, 4},
    {"Forbidden Intercourse", "הלכות איסורי ביאה", 1, 22},
    {"Forbidden Foods", "הלכות מאכלות אסורות", 1, 17},
    {"Ritual Slaughter", "הלכות שחיטה", 1, 14},
    {"Oaths", "הלכות שבועות", 1, 12},
    {"Vows", "הלכות נדרים", 1, 13},
    {"Nazariteship", "הלכות נזירות", 1, 10},
    {"Appraisals and Devoted Property", "הלכות ערכים וחרמין", 1, 8},
    {"Diverse Species", "הלכות כלאים", 1, 10},
    {"Gifts to the Poor", "הלכות מתנות עניים", 1, 10},
    {"Heave Offerings", "הלכות תרומות", 1, 15},
    {"Tithes", "הלכות מעשרות", 1, 14},
    {"Second Tithes and Fourth Year's Fruit", "הלכות מעשר שני ונטע רבעי", 1, 11},
    {"First Fruits and other Gifts to Priests Outside the Sanctuary", "הלכות ביכורים ושאר מתנות כהונה שבגבולין", 1, 12},
    {"Sabbatical Year and the Jubilee", "הלכות שמיטה ויובל", 1, 13},
    {"The Chosen Temple", "הלכות בית הבחירה", 1, 8},
    {"Vessels of the Sanctuary and Those who Serve Therein", "הלכות כלי המקדש והעובדין בו", 1, 10},
    {"Admission into the Sanctuary", "הלכות ביאת מקדש", 1, 9},
    {"Things Forbidden on the Altar", "הלכות איסורי המזבח", 1, 7},
    {"Sacrificial Procedure", "הלכות מעשה הקרבנות", 1, 19},
    {"Daily Offerings and Additional Offerings", "הלכות תמידים ומוספין", 1, 10},
    {"Sacrifices Rendered Unfit", "הלכות פסולי המוקדשין", 1, 19},
    {"Service on the Day of Atonement", "הלכות עבודת יום הכפורים", 1, 5},
    {"Trespass", "הלכות מעילה", 1, 8},
    {"Paschal Offering", "הלכות קרבן פסח", 1, 10},
    {"Festival Offering", "הלכות חגיגה", 1, 3},
    {"Firstlings", "הלכות בכורות", 1, 8},
    {"Offerings for Unintentional Transgressions", "הלכות שגגות", 1, 15},
    {"Offerings for Those with Incomplete Atonement", "הלכות מחוסרי כפרה", 1, 5},
    {"Substitution", "הלכות תמורה", 1, 4},
    {"Defilement by a Corpse", "הלכות טומאת מת", 1, 25},
    {"Red Heifer", "הלכות פרה אדומה", 1, 15},
    {"Defilement by Leprosy", "הלכות טומאת צרעת", 1, 16},
    {"Those Who Defile Bed or Seat", "הלכות מטמאי משכב ומושב", 1, 13},
    {"Other Sources of Defilement", "הלכות שאר אבות הטומאות", 1, 20},
    {"Defilement of Foods", "הלכות טומאת אוכלים", 1, 16},
    {"Vessels", "הלכות כלים", 1, 28},
    {"Immersion Pools", "הלכות מקואות", 1, 11},
    {"Damages to Property", "הלכות נזקי ממון", 1, 14},
    {"Theft", "הלכות גניבה", 1, 9},
    {"Robbery and Lost Property", "הלכות גזילה ואבידה", 1, 18},
    {"One Who Injures a Person or Property", "הלכות חובל ומזיק", 1, 8},
    {"Murderer and the Preservation of Life", "הלכות רוצח ושמירת נפש", 1, 13},
    {"Sales", "הלכות מכירה", 1, 30},
    {"Ownerless Property and Gifts", "הלכות זכייה ומתנה", 1, 12},
    {"Neighbors", "הלכות שכנים", 1, 14},
    {"Agents and Partners", "הלכות שלוחין ושותפין", 1, 10},
    {"Slaves", "הלכות עבדים", 1, 9},
    {"Hiring", "הלכות שכירות", 1, 13},
    {"Borrowing and Deposit", "הלכות שאלה ופיקדון", 1, 8},
    {"Creditor and Debtor", "הלכות מלווה ולווה", 1, 27},
    {"Plaintiff and Defendant", "הלכות טוען ונטען", 1, 16},
    {"Inheritances", "הלכות נחלות", 1, 11},
    {"The Sanhedrin and the Penalties within their Jurisdiction", "הלכות סנהדרין והעונשין המסורין להם", 1, 26},
    {"Testimony", "הלכות עדות", 1, 22},
    {"Rebels", "הלכות ממרים", 1, 7},
    {"Mourning", "הלכות אבל", 1, 14},
    {"Kings and Wars", "הלכות מלכים ומלחמות", 1, 12},
}};

constexpr std::array<TLearningReadingText, 12> OneChapterOpening{{
    {"Transmission of the Oral Law 1-21", "מסירת תורה שבעל פה א׳-כ״א"},
    {"Transmission of the Oral Law 22-33", "מסירת תורה שבעל פה כ״ב-ל״ג"},
    {"Transmission of the Oral Law 34-45", "מסירת תורה שבעל פה ל״ד-מ״ה"},
    {"Positive Mitzvot 1-83", "מצוות עשה א׳-פ״ג"},
    {"Positive Mitzvot 84-166", "מצוות עשה פ״ד-קס״ו"},
    {"Positive Mitzvot 167-248", "מצוות עשה קס״ז-רמ״ח"},
    {"Negative Mitzvot 1-122", "מצוות לא תעשה א׳-קכ״ב"},
    {"Negative Mitzvot 123-245", "מצוות לא תעשה קכ״ג-רמ״ה"},
    {"Negative Mitzvot 246-365", "מצוות לא תעשה רמ״ו-שס״ה"},
    {"Overview of Mishneh Torah Contents 1:1-4:8", "תוכן החיבור א:א-ד:ח"},
    {"Overview of Mishneh Torah Contents 5:1-9:9", "תוכן החיבור ה:א-ט:ט"},
    {"Overview of Mishneh Torah Contents 10:1-14:10", "תוכן החיבור י:א-יד:י"},
}};

constexpr std::array<TLearningReadingText, 4> ThreeChapterOpening{{
    {"Transmission of the Oral Law 1-45", "מסירת תורה שבעל פה א׳-מ״ה"},
    {"Positive Mitzvot 1-248", "מצוות עשה א׳-רמ״ח"},
    {"Negative Mitzvot 1-365", "מצוות לא תעשה א׳-שס״ה"},
    {"Overview of Mishneh Torah Contents 1:1-14:10", "תוכן החיבור א:א-יד:י"},
}};

}  // namespace

std::span<const TStudyBook> RambamLaws()
{
    return Laws;
}

std::span<const TLearningReadingText> RambamOneChapterOpening()
{
    return OneChapterOpening;
}

std::span<const TLearningReadingText> RambamThreeChapterOpening()
{
    return ThreeChapterOpening;
}

}  // namespace mirvane
