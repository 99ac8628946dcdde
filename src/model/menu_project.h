#pragma once
#include <QByteArray>
#include <QImage>
#include <array>
#include <cstdint>

// Text is 8-bit text in the project's code page, held as the file holds it.
using Text = QByteArray;

// Program-wide values (section MAIN).
struct MainParams {
    Text Title;
    Text Company;
    Text IconFile;
    Text BackgroundFile;
    Text BackOverFile;
    Text BackClickFile;
    Text SoundOver;
    Text SoundClick;
    Text OnLoadSound;
    int32_t SizeX = 0;
    int32_t SizeY = 0;
    bool HideBorder = false;
    bool HandCursor = false;
    bool SimpleEsc = false;
    int32_t ScrollStart = 0;
    int32_t ScrollStartSpeed = 0;
    int32_t ScrollEnd = 0;
    int32_t ScrollEndSpeed = 0;
    Text DefUnAssExtProg;
    Text DefUnAssExtParam;
    Text DefNotFoundProg;
    bool DisableSelText = false;
    bool ReSort = true;
    bool UseCustomShape = false;

    Text WindowCaption() const { return Company + ' ' + Title; }
    bool operator==(const MainParams&) const = default;
};

// One button slot. Text fields never hold more than their capacity.
struct MenuButton {
    static constexpr int NameCapacity = 40;
    static constexpr int ActionCapacity = 16;
    static constexpr int TextCapacity = 200;

    bool Used = false;
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Height = 0;
    Text Name;
    Text Action;
    Text Params;
    Text LoadInfo;
    Text ShellRunAction;
    Text ShellRunParams;
    Text ShellRunPath;
    Text SoundOver;
    Text SoundClick;
    Text UnAssExt;
    Text OnNotFound;

    // The slot-validity rule applied to a slot read from a file.
    bool PassesValidity() const
    {
        return Left >= 0 && Top >= 0 && Height > 0 && Width > 0 && !Action.isEmpty();
    }
    bool operator==(const MenuButton&) const = default;
};

// Cuts text to a field's capacity, silently.
inline Text CutToCapacity(const Text& text, int capacity) { return text.left(capacity); }

struct TextInfo {
    int32_t Left = -1;
    int32_t Top = -1;
    int32_t Width = -1;
    int32_t Height = -1;
    uint32_t BackgroundColor = 0xFFFFFF;
    uint32_t FontColor = 0x80000008;
    Text DefaultFile;

    bool IsActive() const { return Left >= 0 && Top >= 0; }
    bool operator==(const TextInfo&) const = default;
};

enum class ShapePointState : uint8_t { Empty = 0, Used = 1, MarkedForDeletion = 2 };

struct ShapePoint {
    int32_t X = 0;
    int32_t Y = 0;
    ShapePointState State = ShapePointState::Empty;
    bool operator==(const ShapePoint&) const = default;
};

struct CustomShape {
    static constexpr int Capacity = 100;
    std::array<ShapePoint, Capacity> Points{};
    uint16_t PointCount = 0;

    void Clear();
    bool operator==(const CustomShape&) const = default;
};

// For every old slot number, the new one.
using SlotMap = std::array<int, 101>;

// The one menu project of the run: records plus the three background pictures.
class MenuProject {
public:
    static constexpr int SlotCount = 101;
    static constexpr int NewButtonSlots = 100; // slot 100 is never chosen for a new button

    MainParams Main;
    std::array<MenuButton, SlotCount> Buttons{};
    ::TextInfo TextInfo;
    CustomShape Shape;
    // The code page the project keeps in the editor's own section; empty when
    // it keeps none and is read in the locale's.
    QString CodePage;

    QImage NormalPicture;
    QImage OverPicture;
    QImage ClickPicture;

    // Exchange sort: used slots first, ascending Top; not stable. Returns, for
    // every old slot number, the slot its button moved to.
    SlotMap SortButtons();
    // Lowest free slot among 0..99, or -1 when all are used.
    int ChooseNewButtonSlot() const;
    // Fills a chosen slot as a fresh "New Button" with the given rectangle; every
    // other field of the slot is cleared.
    void CreateButton(int slot, int32_t left, int32_t top, int32_t width, int32_t height);
    int UsedButtonCount() const;
};
