#include "sim/session.h"

#include "shell/form3.h"
#include "sim/face_names.h"
#include "sim/labels.h"
#include "sim/state_fields.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <type_traits>

namespace tumblehand::sim {

Session::Session(std::string folder, std::uint32_t seed)
    : platform(std::move(folder), seed), form(platform), schedule(form) {}

namespace {

std::string faceText(CardFace face) { return std::string(faceName(face)); }

std::string colorHex(Rgb color) {
    char text[8];
    std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(color & 0xFFFFFF));
    return text;
}

Json frameJson(const std::array<Picture, 2>& cards, const std::array<Label, 2>& numbers) {
    Json frame = Json::array();
    for (std::size_t k = 0; k < 2; ++k) {
        frame.push_back({{"face", faceText(cards[k].Face)}, {"text", numbers[k].Caption}});
    }
    return frame;
}

Json labelsJson(Form1& form) {
    Json labels = Json::object();
    for (std::string_view name : LabelNames) {
        const Label& label = *findLabel(form, name);
        labels[std::string(name)] = {{"text", label.Caption},
                                     {"tag", label.Tag},
                                     {"visible", label.Visible},
                                     {"color", colorHex(label.ForeColor)},
                                     {"left", label.Left}};
    }
    labels["Chusi"] = {{"text", form.Chusi.Caption}};
    return labels;
}

Json timersJson(const Form1& form) {
    const auto timer = [](const Timer& t) { return Json{{"enabled", t.Enabled()}, {"interval", t.Interval()}}; };
    return {{"Timer1", timer(form.Timer1)}, {"Timer2", timer(form.Timer2)}, {"Timer3", timer(form.Timer3)}};
}

Json eventsJson(Session& session) {
    // Cue paths are shown relative to the program folder, so that dumps do not
    // depend on where the folder is.
    const std::string base = session.form.MyPath();
    const std::string folder = session.platform.folder + "/";
    Json events = Json::array();
    for (const PlatformEvent& event : session.platform.events) {
        switch (event.kind) {
            case PlatformEvent::Kind::PlayCue: {
                std::string path = event.text;
                if (path.starts_with(base)) {
                    path.erase(0, base.size());
                } else if (path.starts_with(folder)) {
                    path.erase(0, folder.size());
                }
                events.push_back({{"kind", "PlayCue"}, {"path", path}});
                break;
            }
            case PlatformEvent::Kind::MsgBox: events.push_back({{"kind", "MsgBox"}, {"text", event.text}}); break;
            case PlatformEvent::Kind::Question: events.push_back({{"kind", "Question"}, {"text", event.text}}); break;
            case PlatformEvent::Kind::InputBox:
                events.push_back({{"kind", "InputBox"},
                                  {"prompt", event.text},
                                  {"title", event.title},
                                  {"default", event.defaultText}});
                break;
            case PlatformEvent::Kind::Wait: events.push_back({{"kind", "Wait"}, {"text", event.text}}); break;
            case PlatformEvent::Kind::Close: events.push_back({{"kind", "Close"}}); break;
        }
    }
    return events;
}

Json form3Json(const Form1& form) {
    const Form3* form3 = form.existingForm3();
    if (!form3) return nullptr;
    // Every label's caption under its name; a control array's as a list.
    Json out = Json::object();
    form3->forEachControl([&out](const ControlName& name, const auto& control) {
        if constexpr (std::is_same_v<std::remove_cvref_t<decltype(control)>, Label>) {
            const std::string key(name.name);
            if (name.index < 0) {
                out[key] = control.Caption;
            } else {
                out[key].push_back(control.Caption);
            }
        }
    });
    return out;
}

}  // namespace

Json dumpJson(Session& session) {
    Form1& form = session.form;
    Json cells = Json::array();
    for (int i = 0; i < Board::Cells; ++i) {
        cells.push_back(
            {{"face", faceText(form.Mas(i).Face)}, {"text", form.Num(i).Caption}, {"tag", form.Num(i).Tag}});
    }
    return {{"cells", cells},
            {"next", frameJson(form.NextCard, form.NextNum)},
            {"now", frameJson(form.NowCard, form.NowNum)},
            {"move",
             {{"face", faceText(form.MoveCard.Face)},
              {"text", form.MoveNum.Caption},
              {"left", form.MoveCard.Left},
              {"width", form.MoveCard.Width},
              {"numLeft", form.MoveNum.Left},
              {"numWidth", form.MoveNum.Width}}},
            {"labels", labelsJson(form)},
            {"timers", timersJson(form)},
            {"state", stateJson(form.state)},
            {"events", eventsJson(session)},
            {"form3", form3Json(form)},
            {"time", session.time}};
}

}  // namespace tumblehand::sim
