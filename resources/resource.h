/* Resource identifiers of tolvex.exe, shared by tolvex.rc and the program. */
#pragma once

#define IDR_MANIFEST 1 /* CREATEPROCESS_MANIFEST_RESOURCE_ID */
#define IDI_TOLVEX 100 /* the window and program icon */

/* Glyph pictures are RCDATA named after their files (resources/glyphs/<name>.bmp),
   looked up by name: atlases IMG ... IMH, jamo pictures BBG ... BBI. */
