#include "change_handling.h"

#include "errors.h"
#include "number_entry.h"

namespace varnholt {

namespace {
// Restores the nesting count however the handler is left, the conversion error included.
class NestingGuard {
public:
    explicit NestingGuard(int& nesting) : nesting_(nesting) {
        if (nesting_ >= ChangeHandling::kMaxNesting)
            throw ChainTooDeepError(ChangeHandling::kMaxNesting);
        ++nesting_;
    }
    ~NestingGuard() { --nesting_; }
    NestingGuard(const NestingGuard&) = delete;
    NestingGuard& operator=(const NestingGuard&) = delete;

private:
    int& nesting_;
};
}  // namespace

void ChangeHandling::inputChanged(Solve request, Tests order) {
    record_.flags.ProjectModified = true;
    (request == Solve::width ? record_.flags.solveWidth : record_.flags.solveLength) = true;
    record_.blankTipPanel();
    if (order == Tests::trenchFirst) {
        pass_.procshowtrench();
        pass_.procshowring();
    } else {
        pass_.procshowring();
        pass_.procshowtrench();
    }
    pass_.showwhat();
}

void ChangeHandling::fieldChanged(Field f) {
    NestingGuard guard(nesting_);
    switch (f) {
        case Field::txtarea:
        case Field::txtrain:
        case Field::txtsdur:
            inputChanged(Solve::length, Tests::ringFirst);
            break;
        case Field::txtsinf: {
            // Only a loaded or written text can get a minus sign this far; an exponent form
            // written by a tool (1.5E-5) keeps it.
            const std::string& text = record_.text(f);
            if (text.find('-', 1) != std::string::npos && text.find('E') == std::string::npos)
                record_.write(f, "");
            // "1E" and "1E-" are a rate on its way, not a number that failed: the design
            // waits for the exponent's digits.
            if (isExponentInProgress(record_.text(f))) {
                record_.flags.ProjectModified = true;
                record_.blankTipPanel();
                break;
            }
            inputChanged(Solve::length, Tests::ringFirst);
            break;
        }
        case Field::txtlength:
            inputChanged(Solve::width, Tests::trenchFirst);
            break;
        case Field::txtdepth:
        case Field::lblwid:
            inputChanged(Solve::length, Tests::trenchFirst);
            break;
        case Field::lbltime:
            trench_.lbltimeChange();
            break;
        case Field::projtit:
        case Field::projnum:
        case Field::desname:
            record_.flags.ProjectModified = true;
            record_.blankTipPanel();
            break;
        case Field::rvdia:
            ring_.rvdiaChange();
            break;
        case Field::rvdepth:
            ring_.rvdepthChange();
            break;
        case Field::rvhalf:
            ring_.rvhalfChange();
            break;
        default:
            // The dialog fields start nothing by themselves; the next pass reads them.
            break;
    }
}

}  // namespace varnholt
