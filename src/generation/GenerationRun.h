#pragma once
// A generation run: given-name characters drawn from a character library,
// each composed name scored and listed unless it was listed before, good
// names marked as candidates, until 5,000 names were made, more than 500
// names in a row were repeats, or the user stopped the run.
//
// The run is in two steps so that the window can act between them:
// StartGeneration does the checks and preparations of a click on the start
// button; GenerateNames is the loop. The loop reads the inputs the user may
// change during a run through GenerationControls before every name, so a
// change takes effect from the next name.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/DateTime.h"

namespace velorin {

// What a click on the start button reads once.
struct GenerationRequest {
    std::string surname;             // 编辑框_姓 as typed (blanks around it are removed)
    std::string sex;                 // 组合框_性别: "男" chooses the boys' library, anything else the girls'
    bool fixedCharacterTicked = false;  // 选择框1
    std::string fixedCharacter;      // 编辑框_固定字 as typed (not trimmed), ticked or not
    int year = 2016, month = 5, day = 5, hour = 5;  // 编辑框7, 8, 9, 11
    std::string libraryDirectory;    // where zm.fne and zw.fne are (the run directory)
    std::string libraryFile;         // when set, this file instead of the sex's file
    std::optional<std::uint64_t> seed;  // when set, repeats a run; otherwise clock + birth date
    int nameLimit = 5000;
};

// A message the window shows instead of running.
struct StartMessage {
    std::string text;
    bool informationIcon = false;
};

// Everything the loop keeps from the start to the end of a run.
struct PreparedRun {
    std::string surname;                   // trimmed
    std::string fixedCharacter;            // as typed; placed while 选择框1 is ticked
    std::vector<std::string> library;      // the entries, never empty
    std::string lackingText;               // "木  火  ", empty when nothing lacks
    std::string lackingElement;            // its first element, compared with the given characters
    std::uint64_t seed = 0;
    int nameLimit = 5000;
};

struct GenerationStart {
    bool fixedCharacterUsed = false;       // store 1 in FixedCharacterUsed (also when the start fails)
    bool clearResultList = false;          // clear 超级列表框1 (the checks passed the surname)
    std::optional<DateTime> chartMoment;   // the birth moment, for ChartMoment when the chart was requested
    std::optional<StartMessage> message;   // the run does not start
    PreparedRun run;                       // ready to go when there is no message
};

// The checks and preparations of a click on the start button, in order:
// the fixed character, the surname, the library file and its entries.
GenerationStart StartGeneration(const GenerationRequest& request);

// The birth-date part of a run's seed: the three numbers written one after
// another and read back (2016, 5, 5 give 201655).
int BirthDateSeedNumber(int year, int month, int day);

// The inputs read anew for every name.
struct NameSettings {
    int givenCount = 2;               // 组合框_个数, 1..3
    bool fixedCharacterTicked = false;  // 选择框1
    int fixedPosition = 1;            // 组合框_第几个字, 1..3
    int year = 2016, month = 5, day = 5;  // 编辑框7, 8, 9
    bool candidatesTicked = true;     // 选择框_候选
    int threshold = 75;               // 编辑框1
};

// A name made by the run that was not listed before in this run. The texts
// are valid during the call that hands them over.
struct ListedName {
    std::string_view fullName;   // surname followed by the given name
    std::string_view surname;
    std::string_view givenName;
    int score = 0;
    bool candidate = false;  // goes to the candidate list 列表框1 as well
};

// "张浩然[86分]": how a name stands in both lists.
std::string NameCandidateText(std::string_view fullName, int score);

// The window's side of a run (the command line has its own).
class GenerationControls {
public:
    virtual ~GenerationControls() = default;
    // Read before every name.
    virtual NameSettings CurrentSettings() = 0;
    // A new name for the result list (and the candidate list when marked).
    virtual void ListName(const ListedName& name) = 0;
    // Asked after every name; true ends the run after that name.
    virtual bool StopRequested() = 0;
    // After every name that did not end the run: show progress and let the
    // window handle its pending events.
    virtual void ProcessPendingEvents(int namesMade) = 0;
};

enum class GenerationEnd { Limit, Repeats, Stopped };

struct GenerationOutcome {
    int namesMade = 0;  // listed names and repeats
    GenerationEnd ended = GenerationEnd::Limit;
};

GenerationOutcome GenerateNames(const PreparedRun& run, GenerationControls& controls);

}  // namespace velorin
