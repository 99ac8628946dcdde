#pragma once
#include <QString>

struct MenuButton;

// Where the player's names lead from the web page: names relative to the
// project's folder, or (with a CD root) from the root of the disc, matched
// without regard to letter case as the editor opens them.
class WebPageNames {
public:
    // Local, absolute folders; the CD root may be empty (unknown).
    WebPageNames(const QString& projectFolder, const QString& cdRoot, const QString& pageFolder);

    // The existing file a stored name (backslashes, any case) names, or empty.
    QString Resolve(const QString& storedName) const;
    // A relative URL from the page to a local path, percent-encoded.
    QString HrefTo(const QString& localPath) const;
    // The folder the page is written into.
    const QString& PageFolder() const { return m_pageFolder; }

private:
    QString m_projectFolder;
    QString m_cdRoot;
    QString m_pageFolder;
};

// What a button's link does on the web page.
struct WebPageLink {
    enum class Kind { File, Address, Close, Nothing };

    Kind Type = Kind::Nothing;
    QString Href;    // for File and Address
    QString Title;   // the tooltip; empty for a link that goes where it says
    QString Problem; // a name that does not resolve, an unknown action; empty when none
};

// RUN, RUN&CLOSE, RUN&MINIMIZE and WINEXEC of a file on the disc link to the
// file; an http:, https: or mailto: target is an address; CLOSE closes the
// page; NONE, MINIMIZE and EJECT do nothing and say so.
WebPageLink WebPageLinkFor(const MenuButton& button, const WebPageNames& names);
