#pragma once

#include <QCoreApplication>
#include <QString>

// Checks a refer-a-friend request and builds the address that hands it to the
// maker's site; the site does the sending.
class TellAFriend
{
    Q_DECLARE_TR_FUNCTIONS(TellAFriend)

public:
    struct Request
    {
        QString senderName;
        QString senderEmail;
        QString message;
        QString friendName;
        QString friendEmail;
    };

    // The message for the first failed check of the e-mail addresses, or empty.
    static QString checkAddresses(const Request& request);
    // The message for the first failed check of the name and message entries, or
    // empty. An entry left at its box's placeholder counts as missing.
    static QString checkEntries(const Request& request, const Request& placeholders);
    // The longest message the referral page takes; the form's other boxes hold their
    // own limits.
    static constexpr int MaxMessageLength = 1000;

    // Each query value is percent-encoded so that "&", "=", blanks or line breaks in
    // what the user typed cannot break the address.
    static QString referralAddress(const Request& request);
};
