#pragma once

// The fixed texts of the project files, New Collage and Canvas Size, exactly
// as the program shows them (line breaks included), so tests compare them.

namespace quiltara::document::texts {

// The file as written.
inline constexpr char kVersionText[10] = {'V', 'e', 'r', ' ', '3', '.', '0', '0', '\t', '\0'};

// Reading and checking a project file.
inline constexpr const char* kHeaderCorrupt = "File seems to be corrupt";
inline constexpr const char* kProjectFolderMissing = "Project directory for this collage no longer exists";
inline constexpr const char* kRecordShortCheck = "File appears to be corrupt or is the wrong version.";
inline constexpr const char* kRecordShortRead = "File appears to be corrupt or the wrong version.";
inline constexpr const char* kFileUnreadable = "The collage file can not be read";
inline constexpr const char* kOpenRefused = "The collage file is corrupt and can not be repaired";
inline constexpr const char* kNewCollageError = "Error creating new collage";
inline constexpr const char* kReloadError = "Error reloading images";
inline constexpr const char* kValidateError = "Error validating collage file";
inline constexpr const char* kDisplayFailure =
    "Failure creating collage, possible reasons include \n\r1. Insufficient RAM - You may be running low on "
    "memory \n\r2. OS can not allocate large memory blocks even when RAM is available\n\r3. Some video "
    "drivers can enforce size limitations on the graphic \n\rTry reducing the size of the collage.";
// "File [" + the data-folder copy's path + "] is missing "
inline constexpr const char* kPhotoMissingStart = "File [";
inline constexpr const char* kPhotoMissingEnd = "] is missing ";

// An object too large for the memory left: kNoMemoryStart + caption + kNoMemoryEnd.
inline constexpr const char* kNoMemoryStart = "There is not enough memory to show [";
inline constexpr const char* kNoMemoryEnd = "]; it has been left out of the collage.";

// Saving.
inline constexpr const char* kTemplateOverwrite =
    "You are not allowed to overwrite a Collage Template.\n\nPlease choose a different filename for your "
    "collage.";
inline constexpr const char* kOverwriteQuestion = "Collage already exists.  Overwrite existing collage?";
// A save that failed: kSaveFailedStart + path + "\r\n" + cause + kSaveFailedEnd.
inline constexpr const char* kSaveFailedStart = "The collage could not be saved to ";
inline constexpr const char* kSaveFailedEnd = ".\r\nThe file that was there before is unchanged.";
inline constexpr const char* kProjectExists = "Project already exists - use a different name";
// "The collage has been modified.\n\rDo you want to save the collage :\r\n" + CollagePath + "? "
inline constexpr const char* kSaveQuestionStart =
    "The collage has been modified.\n\rDo you want to save the collage :\r\n";
inline constexpr const char* kSaveQuestionEnd = "? ";

// Status panel texts.
inline constexpr const char* kStatusSaved = "Status: Collage Saved";
inline constexpr const char* kStatusOpening = "Status: Opening Collage...";
inline constexpr const char* kStatusNewCollage = "Status: New Collage Created";
inline constexpr const char* kStatusRotating = "Status: Rotating photo .. ";

// Dialog titles and filters.
inline constexpr const char* kOpenDialogTitle = "Open Collage";
inline constexpr const char* kSaveDialogTitle = "Save Photo Collage";
inline constexpr const char* kCollageFilter = "Collage File (*.CLG)|*.CLG";
inline constexpr const char* kDefaultExtension = "CLG";

// The palette's colour hints: the prefix, six hexadecimal digits, ")".
inline constexpr const char* kBgColourHint = "Background Color  (Hex: ";
inline constexpr const char* kEndColourHint = "Gradient End Color  (Hex: ";

// New Collage.
inline constexpr const char* kEnterValidSize = "Please enter valid values for the Width and Height.\r\n";
inline constexpr const char* kNewCollageTooLarge =
    "The collage can not be greater than 12 Mega Pixels.\r\nPlease decrease the size of the collage.";
inline constexpr const char* kEnterName =
    "Please enter the name of the Collage.\r\nThis name is used to create the project file.";
inline constexpr const char* kNameOnlyDots =
    "The name of the Collage can not be made of dots only.\r\nPlease enter a name with letters or digits.";
inline constexpr const char* kFolderExists = "Collage directory already exists.";
inline constexpr const char* kCustomSizeItem = "Custom Size";
inline constexpr const char* kCustomPrintSize = "Custom";
inline constexpr const char* kPortrait = "Portrait";
inline constexpr const char* kLandscape = "Landscape";
inline constexpr const char* kBelowOneMegaPixel = "< 1.0";
inline constexpr const char* kDigitalPrintBox = "Recommend setting for Digital Print Processing";

// Canvas Size.
inline constexpr const char* kCanvasSizeCaption = "Collage Size";
inline constexpr const char* kEnterNumbers = "Please make sure you have entered numeric values";
// Followed by the mega-pixel value.
inline constexpr const char* kCanvasTooLarge =
    "Collage must be less than 12 Mega Pixels - decrease size\nCurrent Mega Pixels = ";
inline constexpr const char* kHeightOutOfRange = "Collage Height out of range";
inline constexpr const char* kWidthOutOfRange = "Collage Width out of range";

// The main window's caption: kCaptionStart + file name + "] - " + size + zoom text.
inline constexpr const char* kCaptionStart = "Quiltara 3.00  - [";

} // namespace quiltara::document::texts
