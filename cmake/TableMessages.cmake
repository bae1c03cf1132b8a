# Writes the header that holds the table of messages as written
# (resources/messages.txt) to ${SORTIE}: for the build (src/commun), and for
# the check of the shared code against the Windows headers
# (outils/verifie-windows.sh, through cmake -DSORTIE=... -P).
file(READ ${CMAKE_CURRENT_LIST_DIR}/../resources/messages.txt TABLE_MESSAGES)
configure_file(${CMAKE_CURRENT_LIST_DIR}/../src/commun/TableMessagesUtf8.h.in ${SORTIE} @ONLY)
