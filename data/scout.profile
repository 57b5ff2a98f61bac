# Long-range reconnaissance: quick, quiet, able to live off the land and call the guns in.
Profile,Scout
Race,Human,8
Race,Clan Drakkenfold,1
Priority,Attributes,4
Priority,Skills,4
Priority,Advantages,2
Priority,BattleMech,0
Attribute,BLD,2
Attribute,REF,4
Attribute,INT,4
Attribute,LRN,2
Attribute,CHA,1
Training,None,2
Training,Speciality,5
Training,Package,2
Training,Clan,2
Speciality,Scout,12
Speciality,Infantry Trooper,2
Speciality,*,1
Package,Colonial Surveyor,4
Package,*,1
Skill,Stealth,8
Skill,Perception,8
Skill,Tracking,6
Skill,Survival,6
Skill,Camouflage,5
Skill,Navigation,5
Skill,Artillery Spotting,4
Skill,Climbing,3
Skill,Small Arms,3
Skill,*,1
Advantage,Sixth Sense,5
Advantage,Combat Sense,3
Advantage,Extra Edge,2
Advantage,*,1
Gear,Field Gear,8
Gear,Rifles,5
Gear,Communications,4
Gear,Blades,2
Gear,Medical,2
Gear,*,1
Rank,Private,3
Rank,Corporal,5
Rank,Sergeant,2
Transfer,60
