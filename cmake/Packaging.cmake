# Installation and the Debian package.
