#ifndef ZELHISTORYPATHS_H
#define ZELHISTORYPATHS_H

#include <QDate>
#include <QString>

// The local chat history: the chat windows write it on close, the history
// window lists and reads it, sign-in prunes it. Both sides build every folder
// and file name through here, so they always agree.
//
//   root / own display name / yyyy-MM-dd / peer display name + ".html"
//   root / own display name / yyyy-MM-dd / "Conference-" + session + ".html"
//
// A name becomes one path component: "/" and "\" (and NUL) turn into "_", and
// a name that would be "", "." or ".." becomes "_", so no display name or
// session name can make a sub-folder or climb out of the history root.
// Transcripts are stored as UTF-8, the encoding their HTML declares.
namespace ZELHistoryPaths {

QString component(const QString &name);

// root + "/" + own display name
QString userFolder(const QString &root, const QString &ownDisplayName);
// "yyyy-MM-dd"
QString dayFolderName(const QDate &day);
// True only for the day folders the client makes ("yyyy-MM-dd", a real date).
bool isDayFolderName(const QString &name);

// peer display name + ".html"
QString contactFileName(const QString &displayName);
// "Conference-" + session + ".html"
QString conferenceFileName(const QString &sessionName);

// The session name shown for a conference transcript: the file name without
// "Conference-" and ".html", and without the " hh~mm~ss" time the session name
// ends with when it has one. Hyphens inside the name are kept.
QString conferenceSessionName(const QString &fileName);

} // namespace ZELHistoryPaths

#endif
