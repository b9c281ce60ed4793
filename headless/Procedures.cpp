#include "Driver.h"
#include "LineText.h"

#include "game/Bingos.h"
#include "game/Caller.h"
#include "game/Dealing.h"
#include "game/Pcbingos.h"
#include "ui/BngOptions.h"
#include "ui/Form1.h"

#include <algorithm>
#include <functional>
#include <map>
#include <span>

// The game's procedures and the windows' event handlers, run by name.
namespace daubery {

using line::splitWord;
using line::wholeNumber;

namespace {

// A procedure run by name, and whether it takes a value after its name.
struct Procedure {
    template <class Run>
    Procedure(Run body, bool withArgument = false) : run(std::move(body)), takesArgument(withArgument) {}
    std::function<Driver::Answer()> run;
    bool takesArgument;
};

} // namespace

Driver::Answer Driver::call(std::string_view argument) {
    const auto [procedure, rest] = splitWord(argument);
    Daubery& g = *game_;
    GameState& s = g.state;
    const auto number = wholeNumber(rest);
    Answer answer;
    // Built in place: moving a value into the answer trips a false "maybe uninitialized" in GCC.
    auto boolean = [](bool b) {
        Answer a;
        a.value.emplace(b);
        return a;
    };
    auto integer = [](int n) {
        Answer a;
        a.value.emplace(n);
        return a;
    };
    // A computer player's check that finds a winner shows the winning card and announces the win.
    auto computerCheck = [&](bool (*check)(GameState&)) {
        const bool won = check(s);
        if (won) {
            g.ShowPcWinningCard(s.PcWinner);
            g.AnnouncePcWin(s.PcWinner);
        }
        return boolean(won);
    };

    // A procedure that answers nothing but ok.
    auto done = [](auto run) -> std::function<Answer()> {
        return [run] {
            run();
            return Answer{};
        };
    };

    const std::map<std::string_view, Procedure> procedures = {
        {"NewGame", done([&] { g.NewGame(); })},
        {"DealPcCards", done([&] { DealPcCards(s, g.rnd); })},
        {"DrawNextNumber",
         [&] {
             const int pos = DrawNextNumber(s, g.rnd);
             if (pos == NoNumberLeft) g.mainWindow().control("Timer1").setEnabled(false);
             return pos == NoNumberLeft ? Answer{true, json::Value(nullptr), {}} : integer(pos);
         }},
        {"RunComputerPlayers", done([&] { g.RunComputerPlayers(); })},
        {"CheckPlayerBingo", [&] { return integer(CheckPlayerBingo(s)); }},
        {"CheckBigDiamond", [&] { return integer(CheckBigDiamond(s)); }},
        {"CheckSmallDiamond", [&] { return integer(CheckSmallDiamond(s)); }},
        {"CheckKite", [&] { return integer(CheckKite(s)); }},
        {"CheckBigFrame", [&] { return integer(CheckBigFrame(s)); }},
        {"CheckLittleFrame", [&] { return integer(CheckLittleFrame(s)); }},
        {"CheckRailroad", [&] { return integer(CheckRailroad(s)); }},
        {"CheckAnyBingo", [&] { return integer(CheckAnyBingo(s)); }},
        {"CheckPcRegular", [&] { return computerCheck(CheckPcRegular); }},
        {"CheckPcFourCorners", [&] { return computerCheck(CheckPcFourCorners); }},
        {"CheckPcCoverAll", [&] { return computerCheck(CheckPcCoverAll); }},
        {"CheckPcPostageStamp", [&] { return computerCheck(CheckPcPostageStamp); }},
        {"CheckPcBigDiamond", [&] { return computerCheck(CheckPcBigDiamond); }},
        {"CheckPcSmallDiamond", [&] { return computerCheck(CheckPcSmallDiamond); }},
        {"CheckPcKite", [&] { return computerCheck(CheckPcKite); }},
        {"CheckPcBigFrame", [&] { return computerCheck(CheckPcBigFrame); }},
        {"CheckPcLittleFrame", [&] { return computerCheck(CheckPcLittleFrame); }},
        {"CheckPcRailroad", [&] { return computerCheck(CheckPcRailroad); }},
        {"CheckPcAnyBingo", [&] { return computerCheck(CheckPcAnyBingo); }},
        {"TogglePause", done([&] { g.TogglePause(); })},
        {"ShowGameHelp", done([&] { g.ShowGameHelp(); })},
        {"OpenWebSite", done([&] { g.OpenWebSite(); })},
        {"About", done([&] { g.About(); })},
        {"ShowExample", done([&] { g.optionsDialog().ShowExample(); })},
        {"RollBallStep",
         {[&] {
              // The ball's own step counter, or a step given for this call alone.
              if (rest.empty()) {
                  g.mainWindow().RollBallStep(s.RollStep);
                  return Answer{};
              }
              if (!number || !std::in_range<std::int16_t>(*number)) return Answer{false, {}, "needs a step"};
              std::int16_t step = std::int16_t(*number);
              g.mainWindow().RollBallStep(step);
              return Answer{};
          },
          true}},
        {"PcPlayerName",
         {[&] {
              // The player's number, or a text that holds it.
              const auto value = json::parse(rest);
              const std::string player = value && value->string() ? *value->string() : std::string(rest);
              return Answer{true, json::Value(PcPlayerName(player)), {}};
          },
          true}},
        {"ShowPcWinningCard",
         {[&] {
              if (!number || *number < 1 || *number > 7) return Answer{false, {}, "needs a player 1..7"};
              g.ShowPcWinningCard(int(*number));
              return Answer{};
          },
          true}},
        {"AnnouncePcWin",
         {[&] {
              if (!number || *number < 1 || *number > 7) return Answer{false, {}, "needs a player 1..7"};
              g.AnnouncePcWin(int(*number));
              return Answer{};
          },
          true}},
    };
    if (const auto found = procedures.find(procedure); found != procedures.end()) {
        if (!rest.empty() && !found->second.takesArgument)
            return {false, {}, std::string(procedure) + " takes no argument"};
        g.windows.dispatch([&] { answer = found->second.run(); });
        return answer;
    }

    // A window's event handler: Form1.Command1_Click, Form1.Label1_Click 5, Bingomsg.Form_Load; inside
    // a responder, the handlers of the window it answers also without the window's name.
    const auto dot = procedure.find('.');
    const auto underscore = procedure.rfind('_');
    const bool ownWindow = dot == std::string_view::npos && !answering_.empty();
    if ((dot == std::string_view::npos && !ownWindow) || underscore == std::string_view::npos ||
        (!ownWindow && underscore < dot))
        return {false, {}, "unknown procedure " + std::string(procedure)};
    const std::string_view window =
        ownWindow ? std::string_view(answering_.back()) : procedure.substr(0, dot);
    const std::size_t nameAt = ownWindow ? 0 : dot + 1;
    const std::string_view controlName = procedure.substr(nameAt, underscore - nameAt);
    const std::string_view event = procedure.substr(underscore + 1);
    if (!g.windows.defines(window)) return {false, {}, "unknown window " + std::string(window)};
    if (!rest.empty() && !number) return {false, {}, "no such element " + std::string(rest)};
    constexpr std::string_view FormEvents[] = {"Load", "Unload", "Activate", "Resize", "Terminate"};
    constexpr std::string_view ControlEvents[] = {"Click", "Change", "MouseMove", "MouseUp", "Timer"};
    const bool formEvent = controlName == "Form";
    const auto events = formEvent ? std::span<const std::string_view>(FormEvents)
                                  : std::span<const std::string_view>(ControlEvents);
    if (std::ranges::find(events, event) == events.end())
        return {false, {}, "unknown event " + std::string(event)};
    if (formEvent && number) return {false, {}, "a window's event takes no element"};
    if (number && (*number < 0 || !std::in_range<int>(*number)))
        return {false, {}, "no such element " + std::string(rest)};
    const int index = number ? int(*number) : -1;
    if (!formEvent) {
        // The name is judged before the window is loaded, so a wrong one changes nothing.
        const std::unique_ptr<Form> layout = g.windows.loaded(window) ? nullptr : layoutOf(window);
        const Form& controls = layout ? *layout : *g.windows.loaded(window);
        const Control* control = controls.find(controlName, index);
        if (!control && index >= 0 && controls.find(controlName))
            return {false, {}, std::string(controlName) + " is not an array"};
        if (!control) return {false, {}, "unknown control " + std::string(controlName)};
        const std::function<void()>* handlers[] = {&control->onClick, &control->onChange,
                                                   &control->onMouseMove, &control->onMouseUp,
                                                   &control->onTimer};
        const auto at = std::size_t(std::ranges::find(ControlEvents, event) - std::begin(ControlEvents));
        if (!*handlers[at]) return {false, {}, "unknown procedure " + std::string(procedure)};
    }
    Form& form = g.windows.form(window);
    std::function<void()> handler;
    if (formEvent) {
        if (event == "Load") handler = [&form] { form.Form_Load(); };
        if (event == "Unload") handler = [&form] { form.Form_Unload(); };
        if (event == "Activate") handler = [&form] { form.Form_Activate(); };
        if (event == "Resize") handler = [&form] { form.Form_Resize(); };
        // The main window's last event ends the program, as its unload does; no other window has one.
        if (event == "Terminate" && form.name() == Form1::Name) handler = [&g] { g.windows.end(); };
        g.windows.dispatch(handler);
        return {};
    }
    const Control& control = form.control(controlName, index);
    if (event == "Click") handler = control.onClick;
    if (event == "Change") handler = control.onChange;
    if (event == "MouseMove") handler = control.onMouseMove;
    if (event == "MouseUp") handler = control.onMouseUp;
    if (event == "Timer") handler = control.onTimer;
    g.windows.dispatch(handler);
    return {};
}

} // namespace daubery
