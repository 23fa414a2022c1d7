/* Section layout of the programs: the read-only data and the data share one
   section with the import tables, which saves a section's padding in the
   file.
     .text   code
     .idata  the import directory (first: the system finds it as the start
             of the section of this name), lookup and address tables and
             names; then the read-only data and the data
     .bss    the zero-filled data, which takes no room in the file
     .rsrc   the manifest
   The programs have no C runtime, so nothing would run global constructors:
   the link fails if there are any. */
SECTIONS
{
  . = SIZEOF_HEADERS;
  . = ALIGN(__section_alignment__);
  .text __image_base__ + __section_alignment__ :
  {
    *(.text) *(SORT(.text$*)) *(.text.*)
    __constructors_start = .;
    KEEP(*(.ctors)) KEEP(*(.ctors.*)) KEEP(*(.init_array)) KEEP(*(.init_array.*))
    __constructors_end = .;
  }
  .idata BLOCK(__section_alignment__) :
  {
    KEEP(SORT(*)(.idata$2))
    KEEP(SORT(*)(.idata$3))
    LONG(0); LONG(0); LONG(0); LONG(0); LONG(0);  /* the directory's end */
    KEEP(SORT(*)(.idata$4))
    __IAT_start__ = .;
    KEEP(SORT(*)(.idata$5))
    __IAT_end__ = .;
    KEEP(SORT(*)(.idata$6))
    KEEP(SORT(*)(.idata$7))
    *(.rdata) *(SORT(.rdata$*)) *(.rdata.*)
    *(.data) *(SORT(.data$*)) *(.data.*)
  }
  .bss BLOCK(__section_alignment__) :
  {
    *(.bss) *(.bss.*) *(COMMON)
  }
  .rsrc BLOCK(__section_alignment__) :
  {
    KEEP(*(.rsrc)) KEEP(*(.rsrc$*))
  }
  /DISCARD/ :
  {
    *(.debug*) *(.comment) *(.note*) *(.eh_frame*) *(.pdata*) *(.xdata*) *(.drectve) *(.reloc)
  }
}
ASSERT(__constructors_end == __constructors_start, "global constructors need a C runtime; the programs have none")
