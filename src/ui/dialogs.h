#pragma once
// Message boxes and file dialogs. Message boxes are modal for the program's task, have no
// owner window and show their GBK text correctly whatever the system's code page.
#include <optional>
#include <string>
#include <string_view>

namespace cw {

inline constexpr std::string_view kDefaultMessageTitle = "信息：";

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { None, Question, Error, Warning, Information };
enum class MessageAnswer { Ok, Yes, No };

class Dialogs {
  public:
    virtual ~Dialogs() = default;

    virtual MessageAnswer message_box(std::string_view text,
                                      std::string_view title = kDefaultMessageTitle,
                                      MessageButtons buttons = MessageButtons::Ok,
                                      MessageIcon icon = MessageIcon::None) = 0;

    // Shows the named file dialog of a window ("open" dialogs); the chosen file's full path,
    // or nothing when the operator cancelled.
    virtual std::optional<std::string> choose_file(std::string_view dialog_name) = 0;
    // The same dialog in its save form: the file need not exist, and choosing an existing one
    // asks nothing.
    virtual std::optional<std::string> choose_save_file(std::string_view dialog_name) = 0;
};

}  // namespace cw
