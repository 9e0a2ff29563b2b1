#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "check_texts.h"
#include "colour.h"
#include "fields.h"
#include "number_text.h"
#include "rainfall_source.h"

namespace varnholt {

// Runs the change handling of a field whose text has just changed.
class ChangeHandler {
public:
    virtual ~ChangeHandler() = default;
    virtual void fieldChanged(Field f) = 0;
};

struct NoticeState {
    bool visible = false;
    std::string text;
};

// The working numbers each sizing refills from the texts; the filter report reads them later.
struct SizingValues {
    double effectiveArea = 0;           // m2, txtarea x txtVRC
    double designInfiltrationRate = 0;  // m/s, txtsinf / txtFOS
    double rainfallDepth = 0;           // m
    double stormDuration = 0;           // minutes
    double voidRatio = 0;               // txtVR: the gravel around a ring, and in a gravel trench
    double trenchVoidRatio = 0;         // of the trench's fill, crates or gravel
    double overflowFactor = 0;          // 1 - overflow/100, exactly 1 for no overflow
};

// The trench as last solved. Only the width and length solves renew L, W and D.
struct TrenchNumbers {
    double length = 0;
    double width = 0;
    double depth = 0;
    double halfEmptyTime = 0;  // hours
};

struct EngineFlags {
    bool ProjectModified = false;
    bool solveWidth = false;
    bool solveLength = false;
    bool trenchdrawable = false;
    bool ringdrawable = false;
};

// The standard ring table PCring (header row and column included) and the ring most recently
// sized.
struct RingDesign {
    static constexpr int kRows = 9;
    std::array<std::array<std::string, 3>, kRows + 1> cells;
    int selectedRow = 1;
    double radius = 0;         // m, of the ring most recently sized
    double depth = 0;          // m
    double halfEmptyTime = 0;  // h
    // Full precision of each row as the table pass left it, and of the ring in the panel.
    std::array<double, kRows> rowDepths{};
    std::array<double, kRows> rowHalfEmptyTimes{};
    double shownDepth = 0;
    double shownHalfEmptyTime = 0;

    static int ringSizeMm(int row);   // 900 ... 2700
    static double radiusOf(int row);  // m
    RingDesign();
};

// The factor-of-safety guidance of the options dialog (its colour applies to txtFOS too).
struct FosGuidance {
    Rgb colour = colours::black;
    std::string text;
};

class DesignRecord;

// The texts of the status bar sbtips, panel by panel.
struct StatusBarTexts {
    std::string date;
    std::string tips;  // tips and messages
    std::string voidRatio;
    std::string factorOfSafety;

    void showVoidRatio(std::string_view text);
    void showFactorOfSafety(std::string_view text);
    // Both option panels from the option fields as they stand.
    void showOptionsOf(const DesignRecord& record);
    // Left to right, as the status bar shows them.
    std::array<const std::string*, 4> inOrder() const {
        return {&date, &tips, &voidRatio, &factorOfSafety};
    }
    bool operator==(const StatusBarTexts&) const = default;
};

// The one design the program holds: field texts and what the rules derive from them.
class DesignRecord {
public:
    DesignRecord();

    void setChangeHandler(ChangeHandler* handler) { handler_.handler = handler; }

    const std::string& text(Field f) const { return texts_[index(f)]; }
    // A write that changes the text runs that field's change handling at once, nested inside
    // the writer; writing the same text again changes nothing and runs nothing. A write into
    // the field the user is typing in is skipped: see writeTyped.
    void write(Field f, std::string text);
    // The user's own edit of a field. While its change handling runs, the field is the user's:
    // a result the recalculation would write back into it is skipped, so that the next key
    // never lands in a text the program rewrote.
    void writeTyped(Field f, std::string text);
    // The field whose typed text is being handled, if any; a solve aimed at it gives way.
    bool isTyping(Field f) const { return typing_ && *typing_ == f; }
    // Puts a text in place without any change handling: the storm duration list and the dialog
    // fields when the program fills them.
    void place(Field f, std::string text) { texts_[index(f)] = std::move(text); }
    double number(Field f) const { return parseNumber(text(f)); }
    bool isEmpty(Field f) const { return text(f).empty(); }

    bool checked(Check c) const { return checks_[index(c)]; }
    void setChecked(Check c, bool on) { checks_[index(c)] = on; }

    NoticeState& notice(Notice n) { return notices_[index(n)]; }
    const NoticeState& notice(Notice n) const { return notices_[index(n)]; }
    void show(Notice n, bool visible = true) { notice(n).visible = visible; }
    void hide(Notice n) { notice(n).visible = false; }

    FieldStyle& style(Field f) { return styles_[index(f)]; }
    const FieldStyle& style(Field f) const { return styles_[index(f)]; }

    StatusBarTexts status;
    void blankTipPanel() { status.tips = " "; }

    EngineFlags flags;
    SizingValues sizing;
    TrenchNumbers trench;
    RingDesign ring;
    FosGuidance fosGuidance;

    bool appliedRingSurround = false;
    double appliedRingMargin = 0;
    Rgb outlinecolour = colours::black;
    Rgb ringcolour = colours::black;

    DetailPage detailPage = DetailPage::tstrench;
    bool windowShown = false;  // the main window has had its first show

    // The design check's inputs and the FEH depth tables imported for it, kept with the project.
    CheckTexts checkTexts;
    FehDepthTables fehTables;

    std::string caption;
    std::string CurrentFileName;
    bool OpenFromCommandLine = false;

private:
    std::array<std::string, kFieldCount> texts_;
    std::array<bool, kCheckCount> checks_{};
    std::array<NoticeState, kNoticeCount> notices_;
    std::array<FieldStyle, kFieldCount> styles_;
    // A copy is a record of its own: the change handling of the design it was copied from
    // must never run for it, and an assigned record keeps its own.
    struct OwnHandler {
        ChangeHandler* handler = nullptr;
        OwnHandler() = default;
        OwnHandler(const OwnHandler&) {}
        OwnHandler& operator=(const OwnHandler&) { return *this; }
    };
    OwnHandler handler_;
    std::optional<Field> typing_;
};

inline constexpr std::string_view kStartCaption = "Corvane Systems - Varnholt 4.0";

}  // namespace varnholt
