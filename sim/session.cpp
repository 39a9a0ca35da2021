#include "sim/session.h"

#include <cstdio>

#include "sim/face_names.h"
#include "sim/labels.h"
#include "sim/state_fields.h"

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
        frame.push(Json::object().add("face", faceText(cards[k].Face)).add("text", numbers[k].Caption));
    }
    return frame;
}

Json labelsJson(Form1& form) {
    Json labels = Json::object();
    for (std::string_view name : LabelNames) {
        const Label& label = *findLabel(form, name);
        labels.add(std::string(name), Json::object()
                                          .add("text", label.Caption)
                                          .add("tag", label.Tag)
                                          .add("visible", label.Visible)
                                          .add("color", colorHex(label.ForeColor))
                                          .add("left", label.Left));
    }
    labels.add("Chusi", Json::object().add("text", form.Chusi.Caption));
    return labels;
}

Json timersJson(const Form1& form) {
    const auto timer = [](const Timer& t) {
        return Json::object().add("enabled", t.Enabled()).add("interval", t.Interval());
    };
    return Json::object()
        .add("Timer1", timer(form.Timer1))
        .add("Timer2", timer(form.Timer2))
        .add("Timer3", timer(form.Timer3));
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
                events.push(Json::object().add("kind", "PlayCue").add("path", path));
                break;
            }
            case PlatformEvent::Kind::MsgBox:
                events.push(Json::object().add("kind", "MsgBox").add("text", event.text));
                break;
            case PlatformEvent::Kind::Question:
                events.push(Json::object().add("kind", "Question").add("text", event.text));
                break;
            case PlatformEvent::Kind::InputBox:
                events.push(Json::object()
                                .add("kind", "InputBox")
                                .add("prompt", event.text)
                                .add("title", event.title)
                                .add("default", event.defaultText));
                break;
            case PlatformEvent::Kind::Close: events.push(Json::object().add("kind", "Close")); break;
        }
    }
    return events;
}

Json form3Json(const Form1& form) {
    const Form3* form3 = form.existingForm3();
    if (!form3) return Json();
    Json names = Json::array();
    Json scores = Json::array();
    for (std::size_t i = 0; i < 10; ++i) {
        names.push(form3->Label1[i].Caption);
        scores.push(form3->Score[i].Caption);
    }
    return Json::object()
        .add("Label1", names)
        .add("Score", scores)
        .add("Maxcombop", form3->Maxcombop.Caption)
        .add("Maxcombon", form3->Maxcombon.Caption)
        .add("MaxpointsP", form3->MaxpointsP.Caption)
        .add("Maxpointsn", form3->Maxpointsn.Caption);
}

}  // namespace

Json dumpJson(Session& session) {
    Form1& form = session.form;
    Json cells = Json::array();
    for (int i = 0; i < Board::Cells; ++i) {
        cells.push(Json::object()
                       .add("face", faceText(form.Mas(i).Face))
                       .add("text", form.Num(i).Caption)
                       .add("tag", form.Num(i).Tag));
    }
    return Json::object()
        .add("cells", cells)
        .add("next", frameJson(form.NextCard, form.NextNum))
        .add("now", frameJson(form.NowCard, form.NowNum))
        .add("move", Json::object()
                         .add("face", faceText(form.MoveCard.Face))
                         .add("text", form.MoveNum.Caption)
                         .add("left", form.MoveCard.Left)
                         .add("width", form.MoveCard.Width)
                         .add("numLeft", form.MoveNum.Left)
                         .add("numWidth", form.MoveNum.Width))
        .add("labels", labelsJson(form))
        .add("timers", timersJson(form))
        .add("state", stateJson(form.state))
        .add("events", eventsJson(session))
        .add("form3", form3Json(form))
        .add("time", Json(static_cast<std::int64_t>(session.time)));
}

}  // namespace tumblehand::sim
