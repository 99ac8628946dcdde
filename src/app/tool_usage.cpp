#include "app/tool_usage.h"

#include <map>

namespace {

struct CommandText {
    const char* synopsis;    // after "vyxtool "
    const char* summary;     // one line for the command list
    const char* description; // what it does
    const char* options;     // one line each, help excluded
    const char* exitStatus;
};

#define VYX_CODE_PAGE_OPTION "  --codepage NAME        the 8-bit code page of the texts (default: the one the project keeps,\n                         else the locale's); it wins over the project's\n"

const std::map<QString, CommandText>& Commands()
{
    static const std::map<QString, CommandText> commands = {
        {QStringLiteral("dump"),
         {"dump [--codepage NAME] FILE.ini", "print the project as the editor loads it, as JSON",
          "Loads FILE.ini as the editor does and prints the project, the loading log and the error\n"
          "that stopped loading (null when none) as JSON on standard output. A missing FILE.ini is\n"
          "an error (\"INI not found\").\n",
          VYX_CODE_PAGE_OPTION, "0 loaded, 1 not found or loading stopped at an error, 2 wrong arguments."}},
        {QStringLiteral("resave"),
         {"resave [--codepage NAME] [--no-backup] [--force] FILE.ini", "load and save the project through the editor's own code",
          "Loads FILE.ini and saves it again as the editor's Save does (through a .tmp file of the\n"
          "same name, keeping the previous version as .bak), printing the status log. Nothing is\n"
          "saved when FILE.ini is missing, when the backup cannot be made, when it is read-only\n"
          "(unless --force), or when another program changed FILE.ini since it was read.\n",
          VYX_CODE_PAGE_OPTION
          "  --no-backup            save even when the previous version cannot be kept as .bak\n"
          "  --force                replace FILE.ini even when it is read-only (its mode is kept)\n",
          "0 saved, 1 loading or saving failed (the file is kept), 2 wrong arguments."}},
        {QStringLiteral("rtf-text"),
         {"rtf-text [--codepage NAME] FILE", "print a help file's text as the text area shows it",
          "Prints the text of a button's help file, one line per paragraph; a file that is not RTF is\n"
          "plain text in the code page.\n",
          VYX_CODE_PAGE_OPTION, "0 printed, 1 unreadable file, 2 wrong arguments."}},
        {QStringLiteral("convert"),
         {"convert PICTURE [-o OUT.jpg|OUT.bmp] [--quality N]",
          "write a picture of any format as the JPEG or BMP file launcher.exe shows",
          "Reads PICTURE in any format Qt's image plugins read (PNG, WebP, TIFF, GIF, SVG, ...) and\n"
          "writes it as JPEG or BMP, transparent parts over white. Without -o the file goes beside\n"
          "PICTURE under its name: .bmp for a picture of at most 256 colours, else .jpg. A file\n"
          "already there is kept when it holds the same picture and refused otherwise.\n",
          "  -o OUT.jpg|OUT.bmp     the file to write; its extension chooses the format\n"
          "  --quality N            the JPEG quality, 1..100 (default 90)\n",
          "0 written, 1 unreadable picture or file not written, 2 wrong arguments."}},
        {QStringLiteral("mask"),
         {"mask PICTURE (--color RRGGBB [--tolerance N] | --alpha) [--force] (-o FILE.msk | --ini FILE.ini)",
          "build the menu window's shape mask from a picture",
          "Builds the window region from a picture (BMP, JPEG or any format Qt reads) as the mask\n"
          "maker does: every pixel whose colour is not close to the mask colour is part of the\n"
          "window; with --alpha every pixel whose alpha is at least half. Writes the .msk file\n"
          "named by -o, or named after the INI file with \".msk\". When nothing is opaque it writes no\n"
          "file and says so on standard error. An existing file that is not a mask file (its first\n"
          "bytes are not a region header), or a read-only file, is not replaced without --force.\n",
          "  --color RRGGBB         the transparent colour, hexadecimal red, green, blue\n"
          "  --tolerance N          how far a colour may be from it, 0..100 (default 10)\n"
          "  --alpha                the window is where the picture's alpha is at least 128\n"
          "  -o FILE.msk            the mask file to write\n"
          "  --ini FILE.ini         write the mask beside this project, as the editor names it\n"
          "  --force                replace the target even when it is read-only or not a mask file\n",
          "0 written or nothing opaque, 1 any error (message on standard error), 2 wrong arguments."}},
        {QStringLiteral("mask-info"),
         {"mask-info FILE.msk", "print a mask file's header and rectangles as JSON",
          "Prints the header and every rectangle of a .msk file as JSON, one rectangle a line.\n", "",
          "0 printed, 1 unreadable or malformed mask data, 2 wrong arguments."}},
        {QStringLiteral("check"),
         {"check [--codepage NAME] FILE.ini [--cd-root DIR] [--json]",
          "check the project against what goes wrong on a disc",
          "Loads FILE.ini and prints one line per finding: files the project names that are missing\n"
          "(or present only under another letter case), names the disc cannot hold, buttons the\n"
          "player drops or cannot reach, pictures of the wrong size, help files that are neither RTF\n"
          "nor text, a text area or shape outside the menu. Each line gives the level (error or\n"
          "warning), the INI section and key, and the problem.\n",
          VYX_CODE_PAGE_OPTION
          "  --cd-root DIR          also check autorun.inf there and that every file lies inside it\n"
          "  --json                 print the findings as JSON\n",
          "0 no error (warnings allowed), 1 an error found or the project not loaded, 2 wrong arguments."}},
        {QStringLiteral("html"),
         {"html [--codepage NAME] FILE.ini -o FOLDER [--cd-root DIR]",
          "write the menu as a web page for machines that will not start the player",
          "Loads FILE.ini and writes FOLDER/index.html with its pictures and sounds in\n"
          "FOLDER/index_files: the background at the menu's size, a link per button over its\n"
          "rectangle (its over picture under the pointer and the focus, its click picture while\n"
          "pressed), the text area with the help files, the sounds, the custom shape and the\n"
          "title. A RUN or WINEXEC button links to its file relative to the page, an http:,\n"
          "https: or mailto: target opens it. BMP pictures become PNG, JPEG is copied. The page\n"
          "works from file:// with no network. An older export in FOLDER is replaced whole; an\n"
          "index.html the export did not write is not replaced. Prints one line for each name\n"
          "that does not resolve and for whatever else the page cannot show.\n",
          VYX_CODE_PAGE_OPTION
          "  -o FOLDER              the folder to write (created when missing)\n"
          "  --cd-root DIR          resolve names from the root of the disc (\\name) there\n",
          "0 written (warnings allowed), 1 not loaded or not written, 2 wrong arguments."}},
        {QStringLiteral("iso"),
         {"iso [--codepage NAME] CD_ROOT -o DISC.iso [--volume LABEL] [--ini FILE] [--force] [--keep-backups]",
          "check the project, then build the disc image through xorriso",
          "Checks the project with the CD root as 'check --cd-root' does (by default the launcher.ini\n"
          "beside the player that autorun.inf's open= line names), then builds an ISO 9660 image with\n"
          "Joliet and Rock Ridge names from CD_ROOT through xorriso, showing its progress on standard\n"
          "error. An existing image is replaced only when the new one is complete. Temporary files\n"
          "that interrupted writes left are not put on the disc, and a symbolic link is stored as the\n"
          "file it leads to (the check reports a named file that leads out of the CD root).\n",
          VYX_CODE_PAGE_OPTION
          "  -o DISC.iso            the image to write (not inside CD_ROOT)\n"
          "  --volume LABEL         the volume label, at most 32 characters (default the folder's name)\n"
          "  --ini FILE             the project to check\n"
          "  --force                write the image even when the project has errors\n"
          "  --keep-backups         put the project's launcher.bak and launcher.tmp on the disc too\n",
          "0 written, 1 the project has errors or the image could not be written, 2 wrong arguments."}},
        {QStringLiteral("autorun"),
         {"autorun [--codepage NAME] CD_ROOT [OPTIONS]", "write the disc's autorun.inf as the wizard does",
          "Composes the player's command line and writes CD_ROOT/autorun.inf as the autorun wizard\n"
          "does. The presence of the player's files is reported on standard error.\n",
          VYX_CODE_PAGE_OPTION
          "  --launcher-dir DIR     the player's folder on the disc, backslashes (default launcher\\)\n"
          "  --hide-splash          the player's -X option: no splash screen\n"
          "  --hide-bar             the player's -N option: no progress bar\n"
          "  --left RRGGBB          the progress bar's left colour (-L)\n"
          "  --right RRGGBB         the progress bar's right colour (-R)\n"
          "  --text RRGGBB          the progress bar's text colour (-T)\n"
          "  --splash FILE          the splash picture (-S): a name with a \"/\" is a local file under\n"
          "                         CD_ROOT, any other name a disc path written as it stands\n"
          "  --delay MS             the splash delay in milliseconds (-P)\n"
          "  --icon FILE            the disc icon, a local file under CD_ROOT or a disc path\n"
          "                         (default launcher.exe in the launcher folder)\n"
          "  --icon-index N         the icon's index in that file (default 0)\n"
          "  --create-launcher-dir  create the player's folder when it is missing (nothing is\n"
          "                         created when autorun.inf cannot be written)\n"
          "  --print                print autorun.inf's bytes (code page, CR LF) instead of\n"
          "                         writing it\n"
          "  --force                replace autorun.inf even when it is read-only\n",
          "0 written or printed, 1 any error (message on standard error), 2 an unknown code page."}},
    };
    return commands;
}

} // namespace

QString ToolUsage(const QStringList& commands)
{
    QString text = QStringLiteral("usage: vyxtool COMMAND [OPTIONS] ARGUMENTS\n"
                                  "       vyxtool --help | --version\n\n"
                                  "Works on the editor's projects from scripts, through the editor's own code.\n\n"
                                  "Commands:\n");
    for (const QString& command : commands) {
        const auto found = Commands().find(command);
        const QString summary = found == Commands().end() ? QString() : QString::fromUtf8(found->second.summary);
        text += QStringLiteral("  %1 %2\n").arg(command, -10).arg(summary);
    }
    text += QStringLiteral("\n'vyxtool COMMAND --help' describes one command.\n");
    return text;
}

QString CommandUsage(const QString& command)
{
    const auto found = Commands().find(command);
    if (found == Commands().end())
        return {};
    const CommandText& text = found->second;
    return QStringLiteral("usage: vyxtool %1\n\n%2\nOptions:\n%3"
                          "  -h, --help             show this help and exit\n\n"
                          "Exit status: %4\n")
        .arg(QString::fromUtf8(text.synopsis), QString::fromUtf8(text.description), QString::fromUtf8(text.options),
             QString::fromUtf8(text.exitStatus));
}

bool IsHelpOption(const QString& argument)
{
    return argument == QLatin1String("-h") || argument == QLatin1String("--help");
}
