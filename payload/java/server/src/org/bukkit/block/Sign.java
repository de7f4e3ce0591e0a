package org.bukkit.block;

/** A sign's block state: its four lines. */
public interface Sign extends BlockState {
    String[] getLines();

    String getLine(int index) throws IndexOutOfBoundsException;

    void setLine(int index, String line) throws IndexOutOfBoundsException;
}
