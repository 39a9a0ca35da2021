#include "sim/commands.h"

#include "harness/board_text.h"
#include "shell/records_location.h"
#include "sim/dump_json.h"
#include "sim/labels.h"
#include "sim/procedures.h"
#include "sim/scenario_error.h"
#include "sim/state_fields.h"
#include "sim/words.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <vector>

namespace tumblehand::sim {

namespace {

// Longest virtual time one run may cover: a day, far beyond any game.
constexpr std::int64_t MaxRun = 24LL * 60 * 60 * 1000;

void requireWords(const CommandContext& c, std::size_t min, std::size_t max) {
    const std::size_t given = c.words.size() - 1;
    if (given < min || given > max) {
        throw ScenarioError{c.words[0] + ": expected " +
                            (min == max ? std::to_string(min) : std::to_string(min) + ".." + std::to_string(max)) +
                            " arguments, got " + std::to_string(given)};
    }
}

CardToken token(const std::string& word) {
    const auto card = parseCardToken(word);
    if (!card) throw ScenarioError{"not a card: " + word};
    return *card;
}

bool isSkipped(const std::string& line) {
    const auto words = splitWords(line);
    return words.empty() || words[0].starts_with('#');
}

void board(CommandContext& c) {
    requireWords(c, 0, 0);
    std::vector<CardToken> cards;
    for (int row = 0; row < Board::Rows; ++row) {
        while (c.next < c.lines.size() && isSkipped(c.lines[c.next])) ++c.next;
        if (c.next == c.lines.size()) {
            throw ScenarioError{"board: expected 10 rows, got " + std::to_string(row)};
        }
        const int rowLine = static_cast<int>(c.next) + 1;
        const auto words = splitWords(c.lines[c.next++]);
        if (words.size() != Board::Columns) {
            throw ScenarioError{"board row: expected 5 cards, got " + std::to_string(words.size()), rowLine};
        }
        for (const std::string& word : words) {
            const auto card = parseCardToken(word);
            if (!card) throw ScenarioError{"not a card: " + word, rowLine};
            cards.push_back(*card);
        }
    }
    // Only a complete board is put in place.
    for (int cell = 0; cell < Board::Cells; ++cell)
        putCard(c.session.form, cell, cards[static_cast<std::size_t>(cell)]);
}

void tag(CommandContext& c) {
    requireWords(c, 1, 1000);
    const auto cell = parseInteger(c.words[1], 0, Board::Cells - 1, "cell");
    c.session.form.Num(static_cast<int>(cell)).Tag = restAfterWords(c.line, 2);
}

void frame(CommandContext& c, std::array<Picture, 2>& cards, std::array<Label, 2>& numbers) {
    requireWords(c, 2, 2);
    const CardToken first = token(c.words[1]);
    const CardToken second = token(c.words[2]);
    cards[0].Face = first.face;
    numbers[0].Caption = first.rank;
    cards[1].Face = second.face;
    numbers[1].Caption = second.rank;
}

void next(CommandContext& c) { frame(c, c.session.form.NextCard, c.session.form.NextNum); }
void now(CommandContext& c) { frame(c, c.session.form.NowCard, c.session.form.NowNum); }

void move(CommandContext& c) {
    requireWords(c, 1, 1);
    const CardToken card = token(c.words[1]);
    c.session.form.MoveCard.Face = card.face;
    c.session.form.MoveNum.Caption = card.rank;
}

void set(CommandContext& c) {
    requireWords(c, 2, 1000);
    const std::vector<std::string> values(c.words.begin() + 2, c.words.end());
    if (auto error = setStateField(c.session.form.state, c.words[1], values); !error.empty()) {
        throw ScenarioError{error};
    }
}

Label& labelNamed(CommandContext& c, std::string_view name) {
    Label* label = findLabel(c.session.form, name);
    if (!label) throw ScenarioError{"no such label: " + std::string(name)};
    return *label;
}

void label(CommandContext& c) {
    requireWords(c, 1, 1000);
    const std::string& name = c.words[1];
    std::string text = restAfterWords(c.line, 2);
    if (name == "Chusi") {
        c.session.form.Chusi.Caption = std::move(text);
    } else if (name.ends_with(".Tag")) {
        labelNamed(c, std::string_view(name).substr(0, name.size() - 4)).Tag = std::move(text);
    } else {
        labelNamed(c, name).Caption = std::move(text);
    }
}

void show(CommandContext& c) {
    requireWords(c, 1, 1);
    labelNamed(c, c.words[1]).Visible = true;
}

void hide(CommandContext& c) {
    requireWords(c, 1, 1);
    labelNamed(c, c.words[1]).Visible = false;
}

void timer(CommandContext& c) {
    requireWords(c, 2, 3);
    Form1& form = c.session.form;
    Timer* t = c.words[1] == "Timer1"   ? &form.Timer1
               : c.words[1] == "Timer2" ? &form.Timer2
               : c.words[1] == "Timer3" ? &form.Timer3
                                        : nullptr;
    if (!t) throw ScenarioError{"no such timer: " + c.words[1]};
    if (c.words[2] != "on" && c.words[2] != "off") throw ScenarioError{"timer: expected on or off: " + c.words[2]};
    if (c.words.size() == 4) t->setInterval(static_cast<int>(parseInteger(c.words[3], 0, 65535, "interval")));
    t->setEnabled(c.words[2] == "on");
    c.session.schedule.sync(c.session.time);
}

void rnd(CommandContext& c) {
    requireWords(c, 1, 1000);
    for (std::size_t i = 1; i < c.words.size(); ++i) {
        const std::string& word = c.words[i];
        float value = 0;
        const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
        if (error != std::errc{} || end != word.data() + word.size()) throw ScenarioError{"not a number: " + word};
        if (!(value >= 0.0f && value < 1.0f)) throw ScenarioError{"random value out of range [0, 1): " + word};
        c.session.platform.randomQueue.push_back(value);
    }
}

void answer(CommandContext& c) { c.session.platform.answers.push_back(restAfterWords(c.line, 1)); }

void confirm(CommandContext& c) {
    requireWords(c, 1, 1);
    if (c.words[1] != "yes" && c.words[1] != "no") throw ScenarioError{"confirm: expected yes or no: " + c.words[1]};
    c.session.platform.confirmations.push_back(c.words[1] == "yes");
}

void datafile(CommandContext& c) {
    requireWords(c, 0, 0);
    std::string contents;
    bool ended = false;
    while (c.next < c.lines.size()) {
        const std::string& line = c.lines[c.next++];
        if (line == "end") {
            ended = true;
            break;
        }
        contents += line + "\r\n";
    }
    if (!ended) throw ScenarioError{"datafile: no end line"};
    const auto path = std::filesystem::path(c.session.platform.folder) / RecordsFileName;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << contents;
    file.close();
    if (!file) throw ScenarioError{"datafile: cannot write " + path.string()};
}

void call(CommandContext& c) {
    requireWords(c, 1, 1000);
    const Procedure* procedure = findProcedure(c.words[1]);
    if (!procedure) throw ScenarioError{"no such procedure: " + c.words[1]};
    const std::size_t given = c.words.size() - 2;
    if (given != procedure->parameters.size()) {
        throw ScenarioError{procedure->name + ": expected " + std::to_string(procedure->parameters.size()) +
                            " arguments, got " + std::to_string(given)};
    }
    std::vector<int> args;
    for (std::size_t i = 0; i < given; ++i) {
        const Parameter& p = procedure->parameters[i];
        args.push_back(static_cast<int>(parseInteger(c.words[i + 2], p.min, p.max, procedure->name + " " + p.name)));
    }
    procedure->run(c.session.form, args);
    c.session.schedule.sync(c.session.time);
}

void key(CommandContext& c) {
    requireWords(c, 1, 1000);
    std::vector<int> codes;  // all read before any is pressed: a bad code presses none
    for (std::size_t i = 1; i < c.words.size(); ++i)
        codes.push_back(static_cast<int>(parseInteger(c.words[i], 0, 255, "key code")));
    for (int code : codes) {
        c.session.form.Form_KeyDown(code);
        c.session.schedule.sync(c.session.time);
    }
}

void run(CommandContext& c) {
    requireWords(c, 1, 1);
    const std::int64_t ms = parseInteger(c.words[1], 0, MaxRun, "milliseconds");
    Session& s = c.session;
    s.schedule.sync(s.time);
    s.schedule.runUntil(s.time + ms);
    s.time += ms;
    s.schedule.sync(s.time);
}

void dump(CommandContext& c) {
    requireWords(c, 0, 0);
    c.out << jsonLine(dumpJson(c.session)) << '\n';
}

void expect(CommandContext& c) {
    requireWords(c, 1, 1000);
    const std::string& path = c.words[1];
    const std::string expected = restAfterWords(c.line, 2);
    const std::optional<Json> value = findPath(dumpJson(c.session), path);
    const std::string got = value ? plainText(*value) : "nothing (no such path)";
    if (!value || got != expected) {
        c.err << "line " << c.lineNumber << ": " << path << ": expected " << expected << ", got " << got << '\n';
        ++c.failedExpectations;
    }
}

}  // namespace

const std::vector<Command>& commands() {
    static const std::vector<Command> table = {
        {"board", "board + 10 lines of 5 cards", "sets the board, top row first", board},
        {"tag", "tag CELL TEXT", "sets Num(CELL).Tag", tag},
        {"next", "next T0 T1", "sets the NEXT frame (T0 is the lower card)", next},
        {"now", "now T0 T1", "sets the NOW frame", now},
        {"move", "move T", "sets the sliding card", move},
        {"set", "set FIELD V... | set FIELD.INDEX V", "sets a GameState field", set},
        {"label", "label NAME TEXT | label NAME.Tag TEXT", "sets a label's caption or tag (Chusi: the menu caption)",
         label},
        {"show", "show NAME", "makes a label visible", show},
        {"hide", "hide NAME", "hides a label", hide},
        {"timer", "timer Timer1|Timer2|Timer3 on|off [INTERVAL]", "switches a timer (and sets its interval)", timer},
        {"rnd", "rnd V...", "queues random numbers in [0, 1)", rnd},
        {"answer", "answer [TEXT]", "queues the answer of the next input box", answer},
        {"confirm", "confirm yes|no", "queues the answer of the next question", confirm},
        {"datafile", "datafile + lines + end", "writes data.dat in the program folder (CR LF lines)", datafile},
        {"call", "call PROC [ARGS]", "runs a procedure", call},
        {"key", "key CODE...", "presses keys in turn (Windows virtual-key codes)", key},
        {"run", "run MS", "advances virtual time, firing the timers that come due", run},
        {"dump", "dump", "prints the whole state as one JSON line", dump},
        {"expect", "expect PATH [VALUE]", "compares one value of the dump", expect},
    };
    return table;
}

const Command* findCommand(std::string_view name) {
    for (const Command& command : commands()) {
        if (command.name == name) return &command;
    }
    return nullptr;
}

}  // namespace tumblehand::sim
