morvane_add_test(tst_teacher_options SOURCES tst_teacher_options.cpp LIBS morvane_core)
morvane_add_test(tst_teacher SOURCES tst_teacher.cpp support/RecordedChanges.h LIBS morvane_ui)
morvane_add_test(tst_teacher_save SOURCES tst_teacher_save.cpp support/DialogScript.h support/RecordedChanges.h LIBS morvane_ui)
morvane_add_test(tst_help SOURCES tst_help.cpp LIBS morvane_ui)
