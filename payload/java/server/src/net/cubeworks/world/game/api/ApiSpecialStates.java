package net.cubeworks.world.game.api;

import org.bukkit.Instrument;
import org.bukkit.Material;
import org.bukkit.Note;
import org.bukkit.SkullType;
import org.bukkit.block.BlockFace;
import org.bukkit.entity.CreatureType;
import org.bukkit.entity.EntityType;

/**
 * The block states of blocks with values of their own: spawners, note blocks, jukeboxes, heads,
 * command blocks and signs. A sign's text is the block entity its column keeps; the others read as
 * a new block's, and what a plugin sets is kept in the state it set it on.
 */
final class ApiSpecialStates {
    private ApiSpecialStates() {
    }

    static final class SpawnerState extends ApiBlockState implements org.bukkit.block.CreatureSpawner {
        /** A new spawner's: a pig, and 20 ticks. */
        private EntityType type = EntityType.PIG;
        private int delay = 20;

        SpawnerState(ApiBlock b) {
            super(b);
        }

        public CreatureType getCreatureType() {
            return CreatureType.fromEntityType(type);
        }

        public EntityType getSpawnedType() {
            return type;
        }

        public void setSpawnedType(EntityType t) {
            if (t == null || t.getName() == null) {
                throw new IllegalArgumentException("Can't spawn EntityType " + t + " from mobspawners!");
            }
            type = t;
        }

        public void setCreatureType(CreatureType t) {
            setSpawnedType(t.toEntityType());
        }

        public String getCreatureTypeId() {
            return type.getName();
        }

        public void setCreatureTypeByName(String name) {
            EntityType t = EntityType.fromName(name);
            if (t != null) {
                setSpawnedType(t);
            }
        }

        public String getCreatureTypeName() {
            return type.getName();
        }

        public void setCreatureTypeId(String name) {
            setCreatureTypeByName(name);
        }

        public int getDelay() {
            return delay;
        }

        public void setDelay(int d) {
            delay = d;
        }
    }

    static final class NoteState extends ApiBlockState implements org.bukkit.block.NoteBlock {
        private byte note;

        NoteState(ApiBlock b) {
            super(b);
        }

        public Note getNote() {
            return new Note(note);
        }

        public byte getRawNote() {
            return note;
        }

        public void setNote(Note n) {
            note = n.getId();
        }

        public void setRawNote(byte n) {
            note = n;
        }

        /** Note block sounds are not sent by this server: nothing plays, false. */
        public boolean play() {
            return false;
        }

        public boolean play(byte instrument, byte n) {
            return false;
        }

        public boolean play(Instrument instrument, Note n) {
            return false;
        }
    }

    static final class JukeboxState extends ApiBlockState implements org.bukkit.block.Jukebox {
        JukeboxState(ApiBlock b) {
            super(b);
        }

        /** The jukebox's data is 1 while a record is in it; which record is not kept here. */
        public Material getPlaying() {
            return Material.AIR;
        }

        public void setPlaying(Material record) {
        }

        public boolean isPlaying() {
            return getRawData() != 0;
        }

        public boolean eject() {
            return false;
        }
    }

    static final class SkullState extends ApiBlockState implements org.bukkit.block.Skull {
        private String owner;
        private SkullType kind = SkullType.SKELETON;
        private BlockFace rotation = BlockFace.NORTH;

        SkullState(ApiBlock b) {
            super(b);
        }

        public boolean hasOwner() {
            return owner != null && owner.length() > 0;
        }

        public String getOwner() {
            return owner;
        }

        public boolean setOwner(String name) {
            if (name == null || name.length() > 16) {
                return false;
            }
            owner = name;
            kind = SkullType.PLAYER;
            return true;
        }

        public BlockFace getRotation() {
            return rotation;
        }

        public void setRotation(BlockFace r) {
            rotation = r;
        }

        public SkullType getSkullType() {
            return kind;
        }

        public void setSkullType(SkullType t) {
            kind = t;
            if (t != SkullType.PLAYER) {
                owner = null;
            }
        }
    }

    static final class CommandState extends ApiBlockState implements org.bukkit.block.CommandBlock {
        private String command = "";
        private String name = "@";

        CommandState(ApiBlock b) {
            super(b);
        }

        public String getCommand() {
            return command;
        }

        public void setCommand(String c) {
            command = c == null ? "" : c;
        }

        public String getName() {
            return name;
        }

        public void setName(String n) {
            name = n == null ? "@" : n;
        }
    }

    /** The sign's text as it was when taken; update() keeps it in the sign and shows it to the players. */
    static final class SignState extends ApiBlockState implements org.bukkit.block.Sign {
        private final String[] lines;

        SignState(ApiBlock b) {
            super(b);
            ApiWorld w = (ApiWorld) b.getWorld();
            synchronized (w.lock()) {
                lines = w.signLines(b.getX(), b.getY(), b.getZ());
            }
        }

        @Override
        public boolean update(boolean force, boolean applyPhysics) {
            if (!super.update(force, applyPhysics)) {
                return false;
            }
            final ApiWorld w = (ApiWorld) getWorld();
            final String[] text = lines.clone();
            w.change(new java.util.concurrent.Callable<Void>() {
                public Void call() {
                    w.setSignText(getX(), getY(), getZ(), text);
                    return null;
                }
            });
            return true;
        }

        public String[] getLines() {
            return lines.clone();
        }

        public String getLine(int index) {
            return lines[index];
        }

        public void setLine(int index, String line) {
            lines[index] = line == null ? "" : line;
        }
    }
}
