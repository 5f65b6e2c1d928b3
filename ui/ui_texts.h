#pragma once
// The texts the window shows. Sources are UTF-8; the compiler stores these literals in GBK,
// the code page the program's A calls speak. Every hint starts with two blanks.

namespace vantrel::ui {

inline constexpr char kCaption[] = "Vantrel-作者Ombrin QQ：20240601";

inline constexpr char kStartHint[] = "  请先选择需要查找的目录，进行相应设置后点击查找按钮。";
inline constexpr char kTextBoxHint[] = "  在此输入你希望查找的内容，比如 Lumora";
inline constexpr char kHexBoxHint[] = "  在此输入你希望查找的内容的16进制，比如 4C756D6F7261";
inline constexpr char kTextModeHint[] = "  请在查找内容-文本之后输入你需要查找的内容";
inline constexpr char kHexModeHint[] = "  请在查找内容-16进制之后输入你需要查找的内容";
inline constexpr char kSubfolderHint[] = "  选中，搜索包括子目录下文件。警告！文件多的情况下非常慢！";

inline constexpr char kBrowseTitle[] = "Please choose a catalogue";

inline constexpr char kResultMenuCaption[] = "操作";
inline constexpr char kOpenFileItem[] = "默认方式打开";
inline constexpr char kEditFileItem[] = "默认编辑器打开";
inline constexpr char kOpenFolderItem[] = "浏览所在文件夹";

}  // namespace vantrel::ui
