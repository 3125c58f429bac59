# The project's addresses, in this one place. They fill the AppStream file,
# the about page and CPack's package. debian/control, debian/copyright,
# debian/upstream/metadata, debian/watch and packaging/copyright are written
# by hand: the install.debian test names each of their lines that disagrees
# with this file.
#
# The project has no address of its own yet: every address below is a
# stand-in in the reserved .invalid domain (RFC 2606), which never resolves.
# When the project has a real one, change its line here, then the lines the
# test names.
set(ZANDOLI_HOMEPAGE "https://zandoli.invalid/")
set(ZANDOLI_REPOSITORY "https://git.zandoli.invalid/zandoli.git")
set(ZANDOLI_REPOSITORY_BROWSE "https://git.zandoli.invalid/zandoli")
set(ZANDOLI_BUG_TRACKER "https://git.zandoli.invalid/zandoli/issues")
set(ZANDOLI_CONTACT_NAME "Zandoli developers")
set(ZANDOLI_CONTACT_EMAIL "developers@zandoli.invalid")
