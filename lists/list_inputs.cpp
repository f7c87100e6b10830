#include "lists/list_inputs.h"

#include <string>
#include <string_view>

#include "engine/job_control.h"
#include "engine/job_messages.h"
#include "engine/job_state.h"
#include "engine/path_message.h"
#include "lists/list_check.h"
#include "lists/list_decoding.h"
#include "lists/list_file.h"
#include "lists/list_messages.h"
#include "lists/list_text.h"

namespace {

// What differs between the lists the user names, by their extension.
struct ListKind {
    ListForm form;
    bool mayBeColumnList;  // a ".crc" list that begins with "FileName" is in column form
    bool refusesSfv32;     // a ".txt" SFV-32 list is checksummed as a file instead
};

constexpr ListKind kTextList = {ListForm::Report, false, true};
constexpr ListKind kCrcList = {ListForm::Delimited, true, false};

// The list's text piece by piece, from the start at each reading, as a
// large list is never held whole. Status: how the last reading went.
class ListFile {
public:
    explicit ListFile(const CFileName& path) : m_path(path) {}
    ListRead Status() const { return m_status; }
    TextEncoding Marked() const { return m_marked; }

    // Each piece is a checkpoint, and a stop takes effect between pieces,
    // in every reading of a long list.
    void ForEachPiece(const PieceTaker& take) {
        ListPieces list(m_path);
        std::string piece;
        while (Continues() && list.Next(piece) && take(piece)) {
        }
        m_status = list.Status();
        m_marked = list.Marked();
    }
    ListPieceSource Pieces() {
        return [this](const PieceTaker& take) { ForEachPiece(take); };
    }

private:
    static bool Continues() {
        JobCheckpoint();
        return !StopTakesEffect();
    }

    const CFileName& m_path;
    ListRead m_status = ListRead::Read;
    TextEncoding m_marked = TextEncoding::Cp932;
};

// False after a message naming path, when the list could not be read.
bool WasRead(const ListFile& list, const std::string& path, CJobReport& report) {
    switch (list.Status()) {
        case ListRead::Read:
            return true;
        case ListRead::CannotOpen:
            report.AddMessage(FormatPathMessage(CatalogMessage::CannotOpen, path));
            break;
        case ListRead::TooLarge:
            report.AddMessage(FormatPathMessage(CatalogMessage::ListTooLarge, path));
            break;
        case ListRead::ReadFailed:
            report.AddMessage(ReadErrorMessage(path));
            break;
    }
    return false;
}

// The entries, read a piece at a time: what the whole list must settle
// first (its encoding, form, rule lines and end) comes from a reading of its
// own, so that memory follows the entries kept rather than the list's size.
bool VerifyPieces(ListFile& list, const ListSurvey& survey, const CFileName& path,
                  CJobReport& report) {
    const TextEncoding marked = list.Marked();
    const TextEncoding encoding = marked != TextEncoding::Cp932 ? marked : survey.unmarked.Result();
    ListDecoder decoder(encoding, survey, path, list.Pieces());
    if (StopTakesEffect()) {
        return false;
    }
    ListVerification verification(survey.form, survey.holdsReportRule, path, report);
    list.ForEachPiece(
        [&](std::string_view piece) { return verification.Verify(decoder.Decode(piece)); });
    if (!WasRead(list, path.Text(), report)) {
        return true;
    }
    return verification.Finish(survey.textAfterEndMark);
}

// False when the list gave neither a row nor a message. path is the input's Path().
bool VerifyList(const InputEntry& input, const CFileName& path, const ListKind& kind,
                CJobReport& report) {
    ListFile list(path);
    const ListSurvey survey = SurveyList(list.Pieces(), kind.form, kind.mayBeColumnList);
    if (StopTakesEffect()) {
        return false;
    }
    if (!WasRead(list, path.Text(), report)) {
        return true;
    }
    if (!survey.hasLines) {
        report.AddMessage(EmptyListMessage(path.Text()));
        return true;
    }
    if (kind.refusesSfv32 && survey.sfv32) {
        report.AddMessage(Sfv32Message(path.Text()));
        ChecksumFile(input, path, report);
        return true;
    }
    return VerifyPieces(list, survey, path, report);
}

// A list that leaves neither a row nor a message was read to its end
// without an entry (a report without its rule line, a line of other text):
// the user must hear of it, or the report would say that no error was found.
template <const ListKind& kind>
void CheckList(const InputEntry& input, CJobReport& report) {
    const CFileName path = input.Path();
    if (!VerifyList(input, path, kind, report) && !JobStoppedEarly()) {
        report.AddMessage(NoEntryMessage(path.Text()));
    }
}

}  // namespace

const ListChecks kChecksumLists = {CheckList<kTextList>, CheckList<kCrcList>};
