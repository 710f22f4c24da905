// skntool: packs a folder skin into a ".skn" file, unpacks one into a
// folder, describes either, and draws a record of a skin at any size so that
// a skin author can check a skin without starting the tool.

#include "tools/skntool/PreviewWindow.h"
#include "tools/skntool/SkntoolCommands.h"

#include "platform/ClassicErrors.h"
#include "cli/ProgramConvention.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <initializer_list>
#include <optional>

namespace {

const cli::Program kProgram{
    "skntool",
    "Packs, unpacks and describes skins, and draws a record of a skin at any size.",
    {
        "skntool pack SKIN.ini OUT.skn",
        "skntool unpack IN.skn DIR",
        "skntool info FILE",
        "skntool render SKIN NAME WIDTHxHEIGHT [--state STATE] [--frame N | --restore | --text-frame] [--scale N] "
        "--out FILE.png",
        "skntool preview SKIN [--open menu|list|hint] [--screenshot FILE.png [--after MS]]",
    },
    {
        {"pack SKIN.ini OUT.skn", "pack a folder skin (definition and its BMP files) into a .skn file"},
        {"unpack IN.skn DIR", "write a .skn file's definition and pictures into folder DIR"},
        {"info FILE", "describe a .skn file or a skin definition: pictures, objects, controls, and what the engine does not read"},
        {"render SKIN NAME WxH", "draw control record or object NAME of SKIN (a .skn file, a skin folder or its "
                                 ".ini) at W x H pixels; NAME \"form\" draws the window frame, \"hintwindow\" "
                                 "and \"popupwindow\" the hint and popup-menu windows, each cut by its mask"},
        {"--state STATE", "normal, hot, pressed, disabled, focused or inactive (default normal); hot is the "
                          "caption's active look; inactive is an object's image while its window is inactive; for "
                          "\"form\" disabled or inactive draws the inactive frame; a button edit draws its button "
                          "hot, pressed or disabled"},
        {"--frame N", "draw frame N (from 1, default 1) of an animation object"},
        {"--restore", "draw a caption button's restore face (the maximize button of a maximized window) in the "
                      "state"},
        {"--text-frame", "draw the plate behind the caption's text, normal or hot, W pixels wide at its own height"},
        {"--scale N", "enlarge the picture N times, 1 to 16 (default 1)"},
        {"--out FILE.png", "where render writes its picture"},
        {"preview SKIN", "show a window in SKIN with every frame and control feature switched on: the window "
                         "icon, object hints, translucent fading menus, running animations, a button edit, an "
                         "editable combo box with pictures, a translucent drop-down list (needs a display, or "
                         "QT_QPA_PLATFORM=offscreen with --screenshot)"},
        {"--open WHAT", "preview: open the system menu (menu), the drop-down list (list) or the close button's "
                        "hint (hint) once shown"},
        {"--screenshot FILE.png", "preview: save the window and what it opened as a picture and quit"},
        {"--after MS", "preview: wait this long before the picture, 100 to 60000 (default 600)"},
        {"--help", "print this help and exit"},
        {"--version", "print the version and exit"},
    },
};

int usageError(const QString& problem)
{
    return cli::usageError(kProgram, problem.toStdString());
}

int unknownOption(const QString& argument)
{
    return cli::usageError(kProgram, cli::unknownOption(argument.toStdString()));
}

// An option of a command that takes a value: known to it, and followed by one.
std::optional<int> valueProblem(const QStringList& args, int i, std::initializer_list<const char*> known)
{
    if (std::none_of(known.begin(), known.end(), [&](const char* option) { return args[i] == QLatin1String(option); }))
        return unknownOption(args[i]);
    if (i + 1 >= args.size())
        return usageError(QStringLiteral("%1 needs a value").arg(args[i]));
    return std::nullopt;
}

std::optional<skntool::State> stateNamed(const QString& name)
{
    using skntool::State;
    const std::pair<const char*, State> states[] = {{"normal", State::Normal}, {"hot", State::Hot},
        {"pressed", State::Pressed}, {"disabled", State::Disabled}, {"focused", State::Focused},
        {"inactive", State::Inactive}};
    for (const auto& [word, state] : states) {
        if (name == QLatin1String(word))
            return state;
    }
    return std::nullopt;
}

int renderCommand(const QStringList& args)
{
    skntool::RenderRequest request;
    QStringList positional;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (!arg.startsWith(QStringLiteral("--"))) {
            positional.append(arg);
            continue;
        }
        if (arg == QStringLiteral("--restore")) {
            request.restoreFace = true;
            continue;
        }
        if (arg == QStringLiteral("--text-frame")) {
            request.textFrame = true;
            continue;
        }
        if (const auto problem = valueProblem(args, i, {"--state", "--scale", "--frame", "--out"}))
            return *problem;
        const QString value = args[++i];
        if (arg == QStringLiteral("--state")) {
            const std::optional<skntool::State> state = stateNamed(value);
            if (!state)
                return usageError(QStringLiteral("unknown state \"%1\"").arg(value));
            request.state = *state;
        } else if (arg == QStringLiteral("--scale")) {
            bool ok = false;
            request.scale = value.toInt(&ok);
            if (!ok || request.scale < 1 || request.scale > 16)
                return usageError(QStringLiteral("--scale takes a whole number from 1 to 16, not \"%1\"").arg(value));
        } else if (arg == QStringLiteral("--frame")) {
            bool ok = false;
            request.frame = value.toInt(&ok);
            if (!ok || request.frame < 1)
                return usageError(QStringLiteral("--frame takes a frame number from 1, not \"%1\"").arg(value));
        } else {
            request.out = value;
        }
    }
    if (positional.size() != 3)
        return usageError(QStringLiteral("render takes SKIN, NAME and WIDTHxHEIGHT"));
    const QRegularExpressionMatch size
        = QRegularExpression(QStringLiteral("^(\\d{1,4})x(\\d{1,4})$")).match(positional[2]);
    if (!size.hasMatch() || size.captured(1).toInt() < 1 || size.captured(2).toInt() < 1)
        return usageError(QStringLiteral("size \"%1\" is not WIDTHxHEIGHT with numbers from 1 to 9999").arg(positional[2]));
    if (request.out.isEmpty())
        return usageError(QStringLiteral("render needs --out FILE.png"));
    if (int(request.frame > 0) + int(request.restoreFace) + int(request.textFrame) > 1)
        return usageError(QStringLiteral("--frame, --restore and --text-frame draw different things: give one"));
    request.skin = positional[0];
    request.name = positional[1];
    request.width = size.captured(1).toInt();
    request.height = size.captured(2).toInt();
    return skntool::render(request);
}

int previewCommand(const QStringList& args)
{
    skntool::PreviewRequest request;
    QStringList positional;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (!arg.startsWith(QStringLiteral("--"))) {
            positional.append(arg);
            continue;
        }
        if (const auto problem = valueProblem(args, i, {"--open", "--screenshot", "--after"}))
            return *problem;
        const QString value = args[++i];
        if (arg == QStringLiteral("--open")) {
            const std::pair<const char*, skntool::PreviewOpen> opens[] = {{"menu", skntool::PreviewOpen::SystemMenu},
                {"list", skntool::PreviewOpen::List}, {"hint", skntool::PreviewOpen::Hint}};
            const auto found = std::find_if(std::begin(opens), std::end(opens),
                [&value](const auto& open) { return value == QLatin1String(open.first); });
            if (found == std::end(opens))
                return usageError(QStringLiteral("--open takes menu, list or hint, not \"%1\"").arg(value));
            request.open = found->second;
        } else if (arg == QStringLiteral("--screenshot")) {
            request.screenshot = value;
        } else {
            bool ok = false;
            request.afterMs = value.toInt(&ok);
            if (!ok || request.afterMs < 100 || request.afterMs > 60000)
                return usageError(QStringLiteral("--after takes milliseconds from 100 to 60000, not \"%1\"").arg(value));
        }
    }
    if (positional.size() != 1)
        return usageError(QStringLiteral("preview takes one SKIN"));
    request.skin = positional[0];
    return skntool::preview(request);
}

int run(const QStringList& args)
{
    if (args.isEmpty())
        return usageError(QStringLiteral("no command given"));
    const QString& command = args[0];
    if (command.startsWith(QLatin1Char('-')))
        return unknownOption(command);
    const QStringList rest = args.mid(1);
    if (command == QStringLiteral("render"))
        return renderCommand(rest);
    if (command == QStringLiteral("preview"))
        return previewCommand(rest);
    const int expected = command == QStringLiteral("info") ? 1
        : command == QStringLiteral("pack") || command == QStringLiteral("unpack") ? 2
                                                                                   : -1;
    if (expected < 0)
        return usageError(QStringLiteral("unknown command \"%1\"").arg(command));
    // pack, unpack and info have no options.
    for (const QString& arg : rest) {
        if (arg.startsWith(QLatin1Char('-')))
            return unknownOption(arg);
    }
    if (rest.size() != expected)
        return usageError(QStringLiteral("%1 takes %2 argument%3").arg(command).arg(expected).arg(expected > 1 ? "s" : ""));
    if (command == QStringLiteral("pack"))
        return skntool::pack(rest[0], rest[1]);
    if (command == QStringLiteral("unpack"))
        return skntool::unpack(rest[0], rest[1]);
    return skntool::info(rest[0]);
}

} // namespace

int main(int argc, char** argv)
{
    if (const auto exitCode = cli::helpOrVersion(kProgram, argc, argv))
        return *exitCode;
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    try {
        return run(args);
    } catch (const platform::Exception& error) {
        skntool::out().flush();
        std::fprintf(stderr, "skntool: %s\n", qPrintable(error.message()));
        return 1;
    } catch (const std::exception& error) {
        skntool::out().flush();
        std::fprintf(stderr, "skntool: %s\n", error.what());
        return 1;
    }
}
