package net.cubeworks.world.game;

import org.bukkit.Instrument;
import org.bukkit.Material;
import org.bukkit.Note;
import org.bukkit.SkullType;
import org.bukkit.block.BlockFace;
import org.bukkit.block.BlockState;
import org.bukkit.entity.CreatureType;
import org.bukkit.entity.EntityType;
import org.bukkit.event.inventory.InventoryType;
import org.bukkit.inventory.Inventory;
import org.bukkit.projectiles.BlockProjectileSource;

/**
 * The block states of blocks that have contents in the game: chests, furnaces, dispensers,
 * droppers, hoppers, brewing stands, beacons, spawners, note blocks, jukeboxes, heads, command
 * blocks and signs, each of its own interface, as getState gives them by the block's id.
 *
 * A sign's text, the slots of chests, furnaces, dispensers, droppers, hoppers and brewing stands
 * and a furnace's times are the block entity its column keeps (see BlockEntities): read from the
 * world's files and saved with the column. A beacon's slot is the server's for the running
 * session only; the other values read as a new block's, and what a plugin sets is kept in the
 * state it set it on.
 */
final class ApiTileStates {
    private ApiTileStates() {
    }

    private static final java.util.Set<Integer> WITH_CONTENTS = new java.util.HashSet<Integer>(java.util.Arrays.asList(
            54, 146, 61, 62, 23, 158, 154, 117, 138, 52, 25, 84, 144, 137, 63, 68));

    /** Whether blocks of the id have a state of their own kind. */
    static boolean hasContents(int id) {
        return WITH_CONTENTS.contains(id);
    }

    /** The state of the block, of the kind its id is. */
    static BlockState of(ApiBlock b) {
        int id = b.getTypeId();
        switch (id) {
            case 54:
            case 146:
                return new ChestState(b);
            case 61:
            case 62:
                return new FurnaceState(b);
            case 23:
                return new DispenserState(b);
            case 158:
                return new DropperState(b);
            case 154:
                return new HopperState(b);
            case 117:
                return new BrewingState(b);
            case 138:
                return new BeaconState(b);
            case 52:
                return new SpawnerState(b);
            case 25:
                return new NoteState(b);
            case 84:
                return new JukeboxState(b);
            case 144:
                return new SkullState(b);
            case 137:
                return new CommandState(b);
            case 63:
            case 68:
                return new SignState(b);
            default:
                return new ApiBlockState(b);
        }
    }

    /** A state whose block has slots: its session inventory. */
    abstract static class Holder extends ApiBlockState {
        Holder(ApiBlock b) {
            super(b);
        }

        Inventory slots(InventoryType type, int size) {
            ApiBlock b = (ApiBlock) getBlock();
            return ((ApiWorld) b.getWorld()).blockInventory(b.getX(), b.getY(), b.getZ(), type, size,
                    (org.bukkit.inventory.InventoryHolder) this);
        }
    }

    static final class ChestState extends Holder implements org.bukkit.block.Chest {
        ChestState(ApiBlock b) {
            super(b);
        }

        public Inventory getBlockInventory() {
            return slots(InventoryType.CHEST, 27);
        }

        /** A chest beside it is not joined to it here: its own 27 slots. */
        public Inventory getInventory() {
            return getBlockInventory();
        }
    }

    static final class FurnaceState extends Holder implements org.bukkit.block.Furnace {
        FurnaceState(ApiBlock b) {
            super(b);
        }

        /** The furnace's time, read from its block entity as it is now. */
        private short time(boolean cook) {
            ApiWorld w = (ApiWorld) getWorld();
            synchronized (w.lock()) {
                return BlockEntities.furnaceTime(w.world, getX(), getY(), getZ(), cook);
            }
        }

        /** Sets the furnace's time in its block entity at once, as the game's furnace state does. */
        private void setTime(final boolean cook, final short ticks) {
            final ApiWorld w = (ApiWorld) getWorld();
            ApiWorld.onGameThread(w.game, new java.util.concurrent.Callable<Void>() {
                public Void call() {
                    BlockEntities.setFurnaceTime(w.world, getX(), getY(), getZ(), cook, ticks);
                    return null;
                }
            });
        }

        public short getBurnTime() {
            return time(false);
        }

        public void setBurnTime(short burnTime) {
            setTime(false, burnTime);
        }

        public short getCookTime() {
            return time(true);
        }

        public void setCookTime(short cookTime) {
            setTime(true, cookTime);
        }

        /** Its three slots; nothing smelts in them here. */
        public org.bukkit.inventory.FurnaceInventory getInventory() {
            return (org.bukkit.inventory.FurnaceInventory) slots(InventoryType.FURNACE, 3);
        }
    }

    static final class DispenserState extends Holder implements org.bukkit.block.Dispenser {
        DispenserState(ApiBlock b) {
            super(b);
        }

        public Inventory getInventory() {
            return slots(InventoryType.DISPENSER, 9);
        }

        /** No projectiles fly in this world: none. */
        public BlockProjectileSource getBlockProjectileSource() {
            return null;
        }

        /** Items on the ground and projectiles do not exist here: nothing comes out. */
        public boolean dispense() {
            return false;
        }
    }

    static final class DropperState extends Holder implements org.bukkit.block.Dropper {
        DropperState(ApiBlock b) {
            super(b);
        }

        public Inventory getInventory() {
            return slots(InventoryType.DROPPER, 9);
        }

        /** Items on the ground do not exist here: nothing is dropped. */
        public void drop() {
        }
    }

    static final class HopperState extends Holder implements org.bukkit.block.Hopper {
        HopperState(ApiBlock b) {
            super(b);
        }

        public Inventory getInventory() {
            return slots(InventoryType.HOPPER, 5);
        }
    }

    static final class BeaconState extends Holder implements org.bukkit.block.Beacon {
        BeaconState(ApiBlock b) {
            super(b);
        }

        public Inventory getInventory() {
            return slots(InventoryType.BEACON, 1);
        }
    }

    static final class BrewingState extends Holder implements org.bukkit.block.BrewingStand {
        private int brewTime;

        BrewingState(ApiBlock b) {
            super(b);
        }

        public int getBrewingTime() {
            return brewTime;
        }

        public void setBrewingTime(int t) {
            brewTime = t;
        }

        /** Its four slots; nothing brews in them here. */
        public org.bukkit.inventory.BrewerInventory getInventory() {
            return (org.bukkit.inventory.BrewerInventory) slots(InventoryType.BREWING, 4);
        }
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
                lines = BlockEntities.signLines(w.world, b.getX(), b.getY(), b.getZ());
            }
        }

        @Override
        public boolean update(boolean force, boolean applyPhysics) {
            if (!super.update(force, applyPhysics)) {
                return false;
            }
            final ApiWorld w = (ApiWorld) getWorld();
            final String[] text = lines.clone();
            ApiWorld.onGameThread(w.game, new java.util.concurrent.Callable<Void>() {
                public Void call() {
                    BlockEntities.setSignText(w.world, getX(), getY(), getZ(), text);
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
