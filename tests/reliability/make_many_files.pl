#!/usr/bin/perl
# Makes the crowded folder of the many-files test on the host's side, where
# making 100,000 files takes seconds: under Wine each new name is looked for
# case-insensitively through the whole folder, which makes the making
# quadratic. make_many_files.pl FOLDER COUNT: files f000000.bin,
# f000001.bin, ... each holding "file NNNNNN". A folder made whole before is
# kept.
use strict;
use warnings;

my ($folder, $count) = @ARGV;
die "usage: make_many_files.pl FOLDER COUNT\n" unless defined $count;
exit 0 if -e "$folder.complete";
mkdir $folder or -d $folder or die "$folder: $!\n";
for my $i (0 .. $count - 1) {
    my $name = sprintf("%s/f%06d.bin", $folder, $i);
    open(my $file, '>', $name) or die "$name: $!\n";
    printf $file "file %06d", $i;
    close($file) or die "$name: $!\n";
}
open(my $done, '>', "$folder.complete") or die "$folder: $!\n";
close($done);
